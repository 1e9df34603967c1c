// The maker's logo, picture 168 of the application's resources: read on the first request that finds
// it and kept until shutdown. resources/ holds the pictures (pictures.qrc, built into the program),
// their generator (logo/) and this accessor; it uses the framework only.
#pragma once

#include "framework/Resources.h"

namespace VelnoraLogo {

inline constexpr int kPictureId = 168;

// The logo, or nil when the resources hold no picture 168 (the next request reads again).
// NilObjectException when the application has no resources at all.
fw::Ref<fw::Picture> Get();
bool IsLoaded();
void Release();

} // namespace VelnoraLogo
