// Building the price calculator's controls and binding their events.
#include "Hauptfenster.h"

#include "resources/Layouts.h"

namespace {

// Control events and the handlers they run, in the order they are bound.
constexpr fw::EventBinding kBindings[] = {
    {"AufschlagField", "LostFocus", "AufschlagField_LostFocus"},
    {"AVKField", "TextChange", "AVKField_TextChange"},
    {"OKButton", "Action", "OKButton_Action"},
    {"PushButton2", "Action", "PushButton2_Action"},
    {"CancalButton", "Action", "CancalButton_Action"},
    {"AnzahlField", "LostFocus", "AnzahlField_LostFocus"},
    {"radioUst16", "Action", "radioUst16_Action"},
    {"radioUst7", "Action", "radioUst7_Action"},
    {"AnderungField", "LostFocus", "AnderungField_LostFocus"},
    {"StaticText5", "MouseDown", "StaticText5_MouseDown"},
    {"StaticText6", "MouseDown", "StaticText6_MouseDown"},
    {"GHRabattField", "TextChange", "GHRabattField_TextChange"},
    {"HerstellerField", "KeyDown", "HerstellerField_KeyDown"},
    {"avklittle", "Up", "avklittle_Up"},
    {"avklittle", "Down", "avklittle_Down"},
    {"Aufschlaglittle", "Up", "Aufschlaglittle_Up"},
    {"Aufschlaglittle", "Down", "Aufschlaglittle_Down"},
    {"AnzahlLittle", "Up", "AnzahlLittle_Up"},
    {"AnzahlLittle", "Down", "AnzahlLittle_Down"},
    {"GHLittle", "Up", "GHLittle_Up"},
    {"GHLittle", "Down", "GHLittle_Down"},
    {"HerstellerLittle", "Up", "HerstellerLittle_Up"},
    {"HerstellerLittle", "Down", "HerstellerLittle_Down"},
    {"radioUst19", "Action", "radioUst19_Action"},
};

} // namespace

void Hauptfenster::CreateControls0()
{
    fw::CreateControlsFrom(*this, layouts::HauptfensterControls(), kBindings);
}
