// The about window: a 476 x 337 window titled "Willkommen". The contact block stands left of the logo,
// both ending at 285; the contact block is made before the description although it stands below it.
#include "Welcome.h"

#include "resources/VelnoraLogo.h"

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

} // namespace

const WindowRow& Welcome::LayoutRow()
{
    static const WindowRow row{.width = 476, .height = 337, .title = "Willkommen"};
    return row;
}

const ControlTable& Welcome::Controls()
{
    static const ControlTable table({
        StaticTextRow{.name = "StaticText1", .place = {31, 14, 117, 28}, .text = "Tarivo", .bold = true, .underline = true},
        StaticTextRow{.name = "StaticText2", .place = {31, 47, 182, 20}, .text = "Version: 2.61008"},
        StaticTextRow{.name = "StaticText3", .place = {31, 134, 205, 151}, .text = kContactBlock, .multiline = true},
        StaticTextRow{.name = "StaticText4", .place = {31, 77, 249, 53}, .text = kDescription, .multiline = true},
        CanvasRow{.name = "Canvas1", .place = {239, 212, 205, 73}, .backdrop = &VelnoraLogo::Get},
    });
    return table;
}

void Welcome::describeMembers(ClassBuilder& b) { b.method("AddMenuHandlers", "%%o<Window>", &Welcome::AddMenuHandlers); }
