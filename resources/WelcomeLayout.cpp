// The about window: a 476 x 337 window titled "Willkommen". The contact block stands left of the logo,
// both ending at 285; the contact block is made before the description although it stands below it.
#include "Layouts.h"

#include "framework/LayoutKinds.h"

using namespace fw;

namespace {

// Ten lines joined by carriage returns; the contact details are placeholders that belong to nobody.
constexpr const char* kContactBlock = "Autor:\r"
                                      "Jonas Beispiel\r"
                                      "Velnora Beispiel GmbH\r"
                                      "Musterstraße 1\r"
                                      "12345 Musterstadt\r"
                                      "\r"
                                      "Tel. 0000 000000\r"
                                      "Fax 0000 000001\r"
                                      "\r"
                                      "Mail: info@velnora.example";

constexpr const char* kDescription =
    "Programm zur Preiskalkulation in Apotheken unter Berücksichtigung des Stücknutzen.";

ControlHeadSpec head(const char* name, std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
                     std::int32_t tabIndex)
{
    return {.name = name, .left = left, .top = top, .width = width, .height = height, .tabIndex = tabIndex};
}

std::vector<ControlBlueprint> buildControls()
{
    return {
        {&LookupClass<StaticText>, "StaticText1",
         StaticTextLayout({.head = head("StaticText1", 31, 14, 117, 28, 0), .text = "Tarivo", .textSize = 12,
                           .bold = true, .underline = true})},
        {&LookupClass<StaticText>, "StaticText2",
         StaticTextLayout({.head = head("StaticText2", 31, 47, 182, 20, 1), .text = "Version: 2.61008"})},
        {&LookupClass<StaticText>, "StaticText3",
         StaticTextLayout({.head = head("StaticText3", 31, 134, 205, 151, 2), .text = kContactBlock,
                           .multiline = true})},
        {&LookupClass<StaticText>, "StaticText4",
         StaticTextLayout({.head = head("StaticText4", 31, 77, 249, 53, 3), .text = kDescription, .multiline = true})},
        {&LookupClass<Canvas>, "Canvas1", CanvasLayout({.head = head("Canvas1", 239, 212, 205, 73, 4)})},
    };
}

} // namespace

namespace layouts {

const std::string& WelcomeWindow()
{
    static const std::string layout = WindowLayout({.width = 476, .height = 337, .title = "Willkommen"});
    return layout;
}

const std::vector<ControlBlueprint>& WelcomeControls()
{
    static const std::vector<ControlBlueprint> controls = buildControls();
    return controls;
}

} // namespace layouts
