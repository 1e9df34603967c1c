// File types the application declares. Converting one to text registers it with the system once and
// yields its name; the type withdraws its registration when it ends.
#pragma once

#include "ClassRecord.h"
#include "Object.h"
#include "Registered.h"

#include <string>
#include <vector>

namespace fw {

class FileType : public Registered<FileType, Object, "FileType"> {
public:
    ~FileType() override;

    std::string name, extensions, macType, macCreator;

    // Registers the type (the first time) and gives its name.
    std::string toText();
    bool isRegistered() const { return registered_; }

private:
    bool registered_ = false;
};

struct RegisteredFileType {
    std::string name, extensions, macType, macCreator;
};
void RuntimeRegisterFileType(const FileType& type);
// The file types registered now, in registration order.
const std::vector<RegisteredFileType>& RegisteredFileTypes();

} // namespace fw
