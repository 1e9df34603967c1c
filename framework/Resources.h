// Pictures and the application's resources.
#pragma once

#include "Object.h"

#include <functional>
#include <string>

namespace fw {

// An image as the bytes of its file (PNG); the backend decodes it when it shows it.
class Picture : public Object {
public:
    static constexpr std::string_view kClassName = "Picture";
    static constexpr std::string_view kDisplayName = "Picture";
    explicit Picture(std::string bytes) : bytes_(std::move(bytes)) {}
    const std::string& bytes() const { return bytes_; }

private:
    std::string bytes_;
};

// The application's resources, keyed by numeric id.
class ResourceFork : public Object {
public:
    // The picture of that id, or nil when there is none.
    virtual Ref<Picture> GetPicture(int id) = 0;
};

// The application's resources, or nil when it has none. The program installs the provider at start-up.
Ref<ResourceFork> appResourceForkGetter();
void SetResourceForkProvider(std::function<Ref<ResourceFork>()> provider);

} // namespace fw
