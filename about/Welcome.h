// The about window, whole: product name, version, a one-sentence description, the maker's contact
// block and logo. Nothing runs in it once it is built. This layer uses the framework and the logo's
// accessor in resources/; the shell above it opens the window.
#pragma once

#include "framework/ControlTable.h"
#include "framework/WindowClass.h"

class Welcome : public fw::WindowClass<Welcome, "Welcome.Welcome"> {
public:
    static const fw::WindowRow& LayoutRow();
    static const fw::ControlTable& Controls();
    static void describeMembers(fw::ClassBuilder& builder);
};
