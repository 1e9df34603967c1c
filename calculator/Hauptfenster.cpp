// The price calculator: a 637 x 446 window titled "Tarivo Velnora" with 45 controls in creation order
// and the events bound on them, and its class record.
#include "Hauptfenster.h"

#include "menubar/Menue.h"

using namespace fw;

namespace {

using H = Hauptfenster;
using Edit = EditFieldRow;
using Label = StaticTextRow;
using Button = PushButtonRow;
using Radio = RadioButtonRow;
using Arrows = LittleArrowsRow;

constexpr Color kRed{0xFF, 0x00, 0x00};
constexpr std::int32_t kLeftAligned = 0;

} // namespace

const WindowRow& Hauptfenster::LayoutRow()
{
    static const WindowRow row{.width = 637, .height = 446, .title = "Tarivo Velnora"};
    return row;
}

const ControlTable& Hauptfenster::Controls()
{
    static const ControlTable table({
        Edit{.name = "AEKField", .place = {20, 38, 80, 22}},
        Label{.name = "StaticText1", .place = {20, 12, 30, 20}, .text = "AEK"},
        Edit{.name = "AufschlagField", .place = {125, 38, 80, 22}, .on = {{"LostFocus", &H::AufschlagField_LostFocus}}},
        Edit{.name = "AVKField", .place = {20, 162, 80, 22}, .on = {{"TextChange", &H::AVKField_TextChange}}},
        Label{.name = "StaticText3", .place = {125, 12, 64, 20}, .text = "Aufschlag"},
        Label{.name = "StaticText4", .place = {20, 136, 30, 20}, .text = "AVK"},
        Button{.name = "OKButton", .place = {486, 406, 81, 20}, .caption = "Berechne", .isDefault = true,
               .on = {{"Action", &H::OKButton_Action}}},
        Button{.name = "PushButton2", .place = {410, 406, 69, 20}, .caption = "Neu",
               .on = {{"Action", &H::PushButton2_Action}}},
        Button{.name = "CancalButton", .place = {20, 406, 69, 20}, .caption = "Abbruch", .isCancel = true,
               .on = {{"Action", &H::CancalButton_Action}}},
        Edit{.name = "RohgewinnField", .place = {125, 223, 80, 22}},
        Edit{.name = "AnzahlField", .place = {125, 92, 80, 22}, .on = {{"LostFocus", &H::AnzahlField_LostFocus}}},
        Edit{.name = "SpanneField", .place = {240, 38, 80, 22}, .enabled = false},
        Label{.name = "TextSpanne", .place = {240, 12, 64, 20}, .text = "Spanne"},
        Label{.name = "TextAnzahl", .place = {125, 67, 64, 20}, .text = "Anzahl"},
        Label{.name = "TextRohgewinn", .place = {125, 197, 135, 20}, .text = "Rohgewinn ohne Veränderung", .textSize = 9},
        Edit{.name = "USTField", .place = {448, 38, 80, 22}, .enabled = false},
        Radio{.name = "radioUst16", .place = {115, 315, 52, 20}, .caption = "16%", .on = {{"Action", &H::radioUst16_Action}}},
        Radio{.name = "radioUst7", .place = {179, 315, 56, 20}, .caption = "7%", .on = {{"Action", &H::radioUst7_Action}}},
        Label{.name = "textUst", .place = {448, 12, 30, 20}, .text = "ust"},
        Edit{.name = "AnderungField", .place = {125, 162, 80, 22}, .on = {{"LostFocus", &H::AnderungField_LostFocus}}},
        Label{.name = "TextAnderung", .place = {125, 136, 107, 20}, .text = "Veränderung %"},
        Edit{.name = "nettoField", .place = {347, 38, 80, 22}, .enabled = false},
        Label{.name = "StaticText5", .place = {140, 409, 115, 20}, .text = "© J. Beispiel 2003", .textColor = kRed,
              .textSize = 9, .underline = true, .on = {{"MouseDown", &H::StaticText5_MouseDown}}},
        Label{.name = "StaticText6", .place = {262, 409, 56, 20}, .text = "Velnora", .textColor = kRed, .textSize = 9,
              .underline = true, .on = {{"MouseDown", &H::StaticText6_MouseDown}}},
        Label{.name = "TextNetto", .place = {347, 14, 69, 20}, .text = "netto"},
        Edit{.name = "GHRabattField", .place = {239, 92, 80, 22}, .alignment = kLeftAligned,
             .on = {{"TextChange", &H::GHRabattField_TextChange}}},
        Label{.name = "GHText", .place = {239, 67, 75, 20}, .text = "GH-Rabatt"},
        Edit{.name = "HerstellerField", .place = {346, 93, 80, 22}, .alignment = kLeftAligned,
             .on = {{"KeyDown", &H::HerstellerField_KeyDown}}},
        Label{.name = "HerstellerText", .place = {346, 67, 100, 20}, .text = "Hersteller-Rabatt", .textSize = 11},
        Edit{.name = "RohgewinnNeuField", .place = {125, 268, 80, 22}},
        Label{.name = "RohgewinnNeuText", .place = {129, 251, 126, 14}, .text = "Rohgewinn nach Änderung", .textSize = 9},
        Label{.name = "StaticText2", .place = {490, 320, 75, 20}, .text = "Pari-Faktor"},
        Arrows{.name = "avklittle", .place = {209, 162, 13, 23},
               .on = {{"Up", &H::avklittle_Up}, {"Down", &H::avklittle_Down}}},
        Arrows{.name = "Aufschlaglittle", .place = {209, 37, 13, 23},
               .on = {{"Up", &H::Aufschlaglittle_Up}, {"Down", &H::Aufschlaglittle_Down}}},
        Arrows{.name = "AnzahlLittle", .place = {209, 92, 13, 23},
               .on = {{"Up", &H::AnzahlLittle_Up}, {"Down", &H::AnzahlLittle_Down}}},
        Arrows{.name = "GHLittle", .place = {321, 92, 13, 23}, .on = {{"Up", &H::GHLittle_Up}, {"Down", &H::GHLittle_Down}}},
        Arrows{.name = "HerstellerLittle", .place = {433, 93, 13, 23},
               .on = {{"Up", &H::HerstellerLittle_Up}, {"Down", &H::HerstellerLittle_Down}}},
        Label{.name = "AVKNettotext", .place = {20, 67, 84, 20}, .text = "AEK NettoNetto", .textSize = 11},
        Edit{.name = "AVKNeuField", .place = {278, 162, 80, 22}, .alignment = kLeftAligned},
        Label{.name = "AVKNeuText", .place = {278, 136, 66, 20}, .text = "AVK neu"},
        Label{.name = "StaticText7", .place = {271, 247, 100, 20}, .text = "Rohgewinnänderung", .textSize = 10},
        Label{.name = "PariText", .place = {26, 347, 591, 50}, .multiline = true, .textSize = 11, .bold = true},
        Label{.name = "RohgewinnAnderungText", .place = {271, 269, 100, 20}},
        Label{.name = "AEKNettoText", .place = {20, 94, 93, 20}},
        Radio{.name = "radioUst19", .place = {55, 315, 52, 20}, .caption = "19%", .value = true,
              .on = {{"Action", &H::radioUst19_Action}}},
    });
    return table;
}

void Hauptfenster::describeMembers(ClassBuilder& b)
{
    b.method("FensterMenu", "%o<MenuItem>%", &H::FensterMenu)
        .method("FensterberTarivo", "%o<MenuItem>%", &H::FensterberTarivo)
        .method("UntitledItem", "%o<MenuItem>%", &H::UntitledItem)
        .method("Fenster16", "%o<MenuItem>%", &H::Fenster16)
        .method("FensterTarivo", "%o<MenuItem>%", &H::FensterTarivo)
        .method("BearbeitenMenu", "%o<MenuItem>%", &H::BearbeitenMenu)
        .method("EditClear", "%o<MenuItem>%", &H::EditClear)
        .method("EditPaste", "%o<MenuItem>%", &H::EditPaste)
        .method("EditCopy", "%o<MenuItem>%", &H::EditCopy)
        .method("EditCut", "%o<MenuItem>%", &H::EditCut)
        .method("UntitledMenu0", "%o<MenuItem>%", &H::UntitledMenu0)
        .method("EditUndo", "%o<MenuItem>%", &H::EditUndo)
        .method("DateiMenu", "%o<MenuItem>%", &H::DateiMenu)
        .method("FileQuit", "%o<QuitMenuItem>%", &H::FileQuit)
        .method("UntitledMenu1", "%o<MenuItem>%", &H::UntitledMenu1)
        .method("AddMenuHandlers", "%%o<Window>", &H::AddMenuHandlers)
        .method("calculateOTC", "%b%f8f8f8i4f8f8", &H::calculateOTC)
        .method("calcSpanne", "%f8%f8f8", &H::calcSpanne)
        .method("calcAll", "%%", &H::calcAll)
        .method("getAEK2003", "%f8%f8", &H::getAEK2003);
}

void Hauptfenster::Layout()
{
    setMenuBar(Menue::Instance());
    WindowClass::Layout();
}

Ref<MenuItem> Hauptfenster::menuItemNamed(std::string_view name)
{
    Ref<MenuBar> bar = menuBar();
    if (!bar)
        RaiseNilObjectException("the price calculator has no menu bar");
    return bar->Lookup(name);
}

Ref<MenuItem> Hauptfenster::FensterMenu() { return menuItemNamed("FensterMenu"); }
Ref<MenuItem> Hauptfenster::FensterberTarivo() { return menuItemNamed("FensterberTarivo"); }
Ref<MenuItem> Hauptfenster::UntitledItem() { return menuItemNamed("UntitledItem"); }
Ref<MenuItem> Hauptfenster::Fenster16() { return menuItemNamed("Fenster16"); }
Ref<MenuItem> Hauptfenster::FensterTarivo() { return menuItemNamed("FensterTarivo"); }
Ref<MenuItem> Hauptfenster::BearbeitenMenu() { return menuItemNamed("BearbeitenMenu"); }
Ref<MenuItem> Hauptfenster::EditClear() { return menuItemNamed("EditClear"); }
Ref<MenuItem> Hauptfenster::EditPaste() { return menuItemNamed("EditPaste"); }
Ref<MenuItem> Hauptfenster::EditCopy() { return menuItemNamed("EditCopy"); }
Ref<MenuItem> Hauptfenster::EditCut() { return menuItemNamed("EditCut"); }
Ref<MenuItem> Hauptfenster::UntitledMenu0() { return menuItemNamed("UntitledMenu0"); }
Ref<MenuItem> Hauptfenster::EditUndo() { return menuItemNamed("EditUndo"); }
Ref<MenuItem> Hauptfenster::DateiMenu() { return menuItemNamed("DateiMenu"); }
Ref<MenuItem> Hauptfenster::UntitledMenu1() { return menuItemNamed("UntitledMenu1"); }

Ref<QuitMenuItem> Hauptfenster::FileQuit()
{
    Ref<Object> item = RuntimeCheckCast(menuItemNamed("FileQuit"), LookupClass<QuitMenuItem>());
    return Ref<QuitMenuItem>(static_cast<QuitMenuItem*>(item.get()));
}
