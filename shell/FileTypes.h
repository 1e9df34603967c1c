// The program's one file type, "text", registered at start-up and kept until shutdown.
#pragma once

#include "framework/FileType.h"

namespace FileTypes {

// Makes the file type, sets its four properties and registers it.
void Initialize();
// The kept file type, or nil.
fw::Ref<fw::FileType> pText();
// Releases it; its registration ends with it.
void Release();

} // namespace FileTypes
