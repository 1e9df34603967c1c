#include "VelnoraLogo.h"

#include "framework/Exceptions.h"

using namespace fw;

namespace VelnoraLogo {

namespace {
Ref<Picture>& slot()
{
    static Ref<Picture> logo;
    return logo;
}
} // namespace

Ref<Picture> Get()
{
    if (slot())
        return slot();
    Ref<ResourceFork> resources = appResourceForkGetter();
    if (!resources)
        RaiseNilObjectException("the application has no resources");
    slot() = resources->GetPicture(kPictureId);
    return slot();
}

bool IsLoaded() { return static_cast<bool>(slot()); }
void Release() { slot().reset(); }

} // namespace VelnoraLogo
