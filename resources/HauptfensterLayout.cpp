// The price calculator: a 637 x 446 window titled "Tarivo Velnora" with 45 controls. Edit fields are
// 80 x 22, right-aligned, 12 pt; labels 20 high, 12 pt; the rows below list only what differs.
#include "Layouts.h"

#include "framework/LayoutKinds.h"

using namespace fw;

namespace {

constexpr Color kRed{0xFF, 0x00, 0x00};
constexpr std::int32_t kLeft = 0;

// Positions are left, top, width, height; the tab index is the row's place in creation order.
struct Place {
    std::int32_t left, top, width, height;
};

class Builder {
public:
    void edit(const char* name, Place p, std::int32_t alignment = 3, bool enabled = true)
    {
        add(&LookupClass<EditField>, name,
            EditFieldLayout({.head = head(name, p), .enabled = enabled, .textSize = 12, .alignment = alignment}));
    }
    void label(const char* name, Place p, const char* text, std::int32_t textSize = 12, bool bold = false,
               bool multiline = false)
    {
        add(&LookupClass<StaticText>, name,
            StaticTextLayout({.head = head(name, p), .text = text, .multiline = multiline, .textSize = textSize,
                              .bold = bold}));
    }
    void link(const char* name, Place p, const char* text)
    {
        add(&LookupClass<StaticText>, name,
            StaticTextLayout(
                {.head = head(name, p), .text = text, .textColor = kRed, .textSize = 9, .underline = true}));
    }
    void button(const char* name, Place p, const char* caption, bool isDefault = false, bool isCancel = false)
    {
        add(&LookupClass<PushButton>, name,
            PushButtonLayout({.head = head(name, p), .caption = caption, .isDefault = isDefault,
                              .isCancel = isCancel, .textSize = 12}));
    }
    void radio(const char* name, Place p, const char* caption, bool value = false)
    {
        add(&LookupClass<RadioButton>, name,
            RadioButtonLayout({.head = head(name, p), .caption = caption, .value = value}));
    }
    void arrows(const char* name, std::int32_t left, std::int32_t top)
    {
        add(&LookupClass<LittleArrows>, name, LittleArrowsLayout({.head = head(name, {left, top, 13, 23})}));
    }
    std::vector<ControlBlueprint> rows;

private:
    ControlHeadSpec head(const char* name, Place p) const
    {
        return {.name = name, .left = p.left, .top = p.top, .width = p.width, .height = p.height,
                .tabIndex = static_cast<std::int32_t>(rows.size())};
    }
    void add(const ClassRecord& (*controlClass)(), const char* name, std::string layout)
    {
        rows.push_back({controlClass, name, std::move(layout)});
    }
};

std::vector<ControlBlueprint> buildControls()
{
    Builder b;
    b.edit("AEKField", {20, 38, 80, 22});
    b.label("StaticText1", {20, 12, 30, 20}, "AEK");
    b.edit("AufschlagField", {125, 38, 80, 22});
    b.edit("AVKField", {20, 162, 80, 22});
    b.label("StaticText3", {125, 12, 64, 20}, "Aufschlag");
    b.label("StaticText4", {20, 136, 30, 20}, "AVK");
    b.button("OKButton", {486, 406, 81, 20}, "Berechne", /*isDefault=*/true);
    b.button("PushButton2", {410, 406, 69, 20}, "Neu");
    b.button("CancalButton", {20, 406, 69, 20}, "Abbruch", false, /*isCancel=*/true);
    b.edit("RohgewinnField", {125, 223, 80, 22});
    b.edit("AnzahlField", {125, 92, 80, 22});
    b.edit("SpanneField", {240, 38, 80, 22}, 3, /*enabled=*/false);
    b.label("TextSpanne", {240, 12, 64, 20}, "Spanne");
    b.label("TextAnzahl", {125, 67, 64, 20}, "Anzahl");
    b.label("TextRohgewinn", {125, 197, 135, 20}, "Rohgewinn ohne Veränderung", 9);
    b.edit("USTField", {448, 38, 80, 22}, 3, false);
    b.radio("radioUst16", {115, 315, 52, 20}, "16%");
    b.radio("radioUst7", {179, 315, 56, 20}, "7%");
    b.label("textUst", {448, 12, 30, 20}, "ust");
    b.edit("AnderungField", {125, 162, 80, 22});
    b.label("TextAnderung", {125, 136, 107, 20}, "Veränderung %");
    b.edit("nettoField", {347, 38, 80, 22}, 3, false);
    b.link("StaticText5", {140, 409, 115, 20}, "© J. Beispiel 2003");
    b.link("StaticText6", {262, 409, 56, 20}, "Velnora");
    b.label("TextNetto", {347, 14, 69, 20}, "netto");
    b.edit("GHRabattField", {239, 92, 80, 22}, kLeft);
    b.label("GHText", {239, 67, 75, 20}, "GH-Rabatt");
    b.edit("HerstellerField", {346, 93, 80, 22}, kLeft);
    b.label("HerstellerText", {346, 67, 100, 20}, "Hersteller-Rabatt", 11);
    b.edit("RohgewinnNeuField", {125, 268, 80, 22});
    b.label("RohgewinnNeuText", {129, 251, 126, 14}, "Rohgewinn nach Änderung", 9);
    b.label("StaticText2", {490, 320, 75, 20}, "Pari-Faktor");
    b.arrows("avklittle", 209, 162);
    b.arrows("Aufschlaglittle", 209, 37);
    b.arrows("AnzahlLittle", 209, 92);
    b.arrows("GHLittle", 321, 92);
    b.arrows("HerstellerLittle", 433, 93);
    b.label("AVKNettotext", {20, 67, 84, 20}, "AEK NettoNetto", 11);
    b.edit("AVKNeuField", {278, 162, 80, 22}, kLeft);
    b.label("AVKNeuText", {278, 136, 66, 20}, "AVK neu");
    b.label("StaticText7", {271, 247, 100, 20}, "Rohgewinnänderung", 10);
    b.label("PariText", {26, 347, 591, 50}, "", 11, /*bold=*/true, /*multiline=*/true);
    b.label("RohgewinnAnderungText", {271, 269, 100, 20}, "");
    b.label("AEKNettoText", {20, 94, 93, 20}, "");
    b.radio("radioUst19", {55, 315, 52, 20}, "19%", /*value=*/true);
    return std::move(b.rows);
}

} // namespace

namespace layouts {

const std::string& HauptfensterWindow()
{
    static const std::string layout = WindowLayout({.width = 637, .height = 446, .title = "Tarivo Velnora"});
    return layout;
}

const std::vector<ControlBlueprint>& HauptfensterControls()
{
    static const std::vector<ControlBlueprint> controls = buildControls();
    return controls;
}

} // namespace layouts
