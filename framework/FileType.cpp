#include "FileType.h"

#include <algorithm>

namespace fw {

namespace {
struct Entry {
    const FileType* owner;
    RegisteredFileType type;
};
std::vector<Entry>& entries()
{
    static std::vector<Entry> all;
    return all;
}
std::vector<RegisteredFileType>& snapshot()
{
    static std::vector<RegisteredFileType> types;
    return types;
}
void refreshSnapshot()
{
    snapshot().clear();
    for (const Entry& entry : entries())
        snapshot().push_back(entry.type);
}
} // namespace

void FileType::ctblinit()
{
    ClassBuilder(std::string(kClassName), &ObjectClassRecord())
        .factory([] { return Ref<Object>(MakeRef<FileType>()); })
        .registerClass();
}
const ClassRecord& FileType::classRecord() const { return LookupClass<FileType>(); }

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
