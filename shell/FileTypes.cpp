#include "FileTypes.h"

#include "framework/Exceptions.h"

using namespace fw;

namespace FileTypes {

namespace {

Ref<FileType>& slot()
{
    static Ref<FileType> kept;
    return kept;
}

FileType& kept()
{
    if (!slot())
        RaiseNilObjectException("the file type is missing");
    return *slot();
}

} // namespace

void Initialize()
{
    Ref<Object> created = RuntimeNewObject(LookupClass<FileType>());
    slot() = Ref<FileType>(dynamic_cast<FileType*>(created.get()));
    kept().name = "text";
    kept().extensions = "";
    kept().macType = "TEXT";
    kept().macCreator = "R*ch";
    kept().toText();
}

Ref<FileType> pText() { return slot(); }
void Release() { slot().reset(); }

} // namespace FileTypes
