// The VAT converter: a 300 x 300 window titled "Umsatzsteuerrechner" with two large price fields under
// their labels and a "Neu" button. Its controls carry their tab index last.
#include "Layouts.h"

#include "framework/LayoutKinds.h"

using namespace fw;

namespace {

ControlHeadSpec head(const char* name, std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
                     std::int32_t tabIndex)
{
    return {.name = name, .left = left, .top = top, .width = width, .height = height, .tabIndex = tabIndex,
            .tabIndexPlace = TabIndexPlace::Last};
}

std::vector<ControlBlueprint> buildControls()
{
    return {
        {&LookupClass<StaticText>, "StaticText16",
         StaticTextLayout({.head = head("StaticText16", 43, 30, 100, 20, 0), .text = "Preis 16%", .textSize = 0})},
        {&LookupClass<EditField>, "EditPreis16",
         EditFieldLayout({.head = head("EditPreis16", 43, 62, 214, 48, 1), .textSize = 36, .bold = true,
                          .alignment = 0})},
        {&LookupClass<StaticText>, "StaticText19",
         StaticTextLayout({.head = head("StaticText19", 43, 154, 100, 20, 2), .text = "Preis 19%", .textSize = 0})},
        {&LookupClass<EditField>, "EditPreis19",
         EditFieldLayout({.head = head("EditPreis19", 43, 186, 214, 48, 3), .textSize = 36, .bold = true,
                          .alignment = 0})},
        {&LookupClass<PushButton>, "Pushok",
         PushButtonLayout({.head = head("Pushok", 110, 252, 80, 20, 4), .caption = "Neu", .isDefault = true,
                           .textSize = 0})},
    };
}

} // namespace

namespace layouts {

const std::string& USTWindow()
{
    static const std::string layout = WindowLayout({.width = 300, .height = 300, .title = "Umsatzsteuerrechner"});
    return layout;
}

const std::vector<ControlBlueprint>& USTControls()
{
    static const std::vector<ControlBlueprint> controls = buildControls();
    return controls;
}

} // namespace layouts
