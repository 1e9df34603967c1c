#include "FileType.h"

#include <algorithm>

namespace fw {

namespace {
struct Entry {
    const FileType* owner;
    RegisteredFileType type;
};
// Never destroyed: a file type kept in a static of its own may end after these would have, at an
// exit() that skips shutdown, and its end withdraws it from here.
std::vector<Entry>& entries()
{
    static auto* all = new std::vector<Entry>();
    return *all;
}
std::vector<RegisteredFileType>& snapshot()
{
    static auto* types = new std::vector<RegisteredFileType>();
    return *types;
}
void refreshSnapshot()
{
    snapshot().clear();
    for (const Entry& entry : entries())
        snapshot().push_back(entry.type);
}
} // namespace

FileType::~FileType()
{
    if (!registered_)
        return;
    auto& all = entries();
    all.erase(std::remove_if(all.begin(), all.end(), [this](const Entry& e) { return e.owner == this; }), all.end());
    refreshSnapshot();
}

std::string FileType::toText()
{
    if (!registered_) {
        RuntimeRegisterFileType(*this);
        registered_ = true;
    }
    return name;
}

void RuntimeRegisterFileType(const FileType& type)
{
    entries().push_back({&type, {type.name, type.extensions, type.macType, type.macCreator}});
    refreshSnapshot();
}

const std::vector<RegisteredFileType>& RegisteredFileTypes() { return snapshot(); }

} // namespace fw
