#include "Object.h"

#include "ClassRecord.h"

namespace fw {

const ClassRecord& ObjectClassRecord()
{
    static const ClassRecord& record = ClassBuilder("Object", nullptr).registerClass();
    return record;
}

const ClassRecord& Object::classRecord() const { return ObjectClassRecord(); }

} // namespace fw
