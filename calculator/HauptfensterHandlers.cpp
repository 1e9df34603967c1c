// The price calculator's event handlers. Most recalculate the whole window; the arrows step a field
// first; "Neu" empties the form; "Abbruch" quits; the two links hand their URL to the system.
#include "Hauptfenster.h"
#include "PricePatterns.h"

#include "framework/Application.h"
#include "framework/CDbl.h"
#include "framework/Format.h"

namespace {

constexpr std::string_view kAuthorMail = "mailto:autor@velnora.example";
constexpr std::string_view kMakerSite = "http://www.velnora.example";

using patterns::kStepPercent;
using patterns::kStepSignedPercent;
using patterns::kStepWhole;

} // namespace

void Hauptfenster::AufschlagField_LostFocus() { calcAll(); }
void Hauptfenster::AVKField_TextChange() {}
void Hauptfenster::OKButton_Action() { calcAll(); }

void Hauptfenster::PushButton2_Action()
{
    for (std::string_view field : {"AEKField", "AufschlagField", "SpanneField", "USTField", "AVKField", "nettoField",
                                   "AnzahlField", "RohgewinnField", "AnderungField", "GHRabattField",
                                   "HerstellerField"})
        setFieldText(field, "");
    setLabelText("AEKNettoText", "");
}

void Hauptfenster::CancalButton_Action() { fw::Quit(0); }
void Hauptfenster::AnzahlField_LostFocus() { calcAll(); }
void Hauptfenster::radioUst16_Action() { calcAll(); }
void Hauptfenster::radioUst7_Action() { calcAll(); }
void Hauptfenster::AnderungField_LostFocus() { calcAll(); }

bool Hauptfenster::StaticText5_MouseDown(std::int32_t, std::int32_t)
{
    fw::ShowURL(kAuthorMail);
    return false;
}

bool Hauptfenster::StaticText6_MouseDown(std::int32_t, std::int32_t)
{
    fw::ShowURL(kMakerSite);
    return false;
}

void Hauptfenster::GHRabattField_TextChange() { calcAll(); }

bool Hauptfenster::HerstellerField_KeyDown(std::string)
{
    // The field already shows the key, so the calculation sees what the user sees.
    calcAll();
    return false;
}

void Hauptfenster::stepField(std::string_view field, double step, std::string_view pattern)
{
    fw::Ref<fw::EditField> control = fw::ControlNamed<fw::EditField>(*this, field);
    double value = fw::CDbl(control->text()) + step;
    control->setText(fw::Format(value, pattern));
    calcAll();
}

void Hauptfenster::avklittle_Up() { stepField("AnderungField", 1.0, kStepSignedPercent); }
void Hauptfenster::avklittle_Down() { stepField("AnderungField", -1.0, kStepSignedPercent); }
void Hauptfenster::Aufschlaglittle_Up() { stepField("AufschlagField", 1.0, kStepPercent); }
void Hauptfenster::Aufschlaglittle_Down() { stepField("AufschlagField", -1.0, kStepSignedPercent); }
void Hauptfenster::AnzahlLittle_Up() { stepField("AnzahlField", 1.0, kStepWhole); }
void Hauptfenster::AnzahlLittle_Down() { stepField("AnzahlField", -1.0, kStepWhole); }
void Hauptfenster::GHLittle_Up() { stepField("GHRabattField", 0.1, kStepPercent); }
void Hauptfenster::GHLittle_Down() { stepField("GHRabattField", -0.1, kStepPercent); }
void Hauptfenster::HerstellerLittle_Up() { stepField("HerstellerField", 1.0, kStepPercent); }
void Hauptfenster::HerstellerLittle_Down() { stepField("HerstellerField", -1.0, kStepPercent); }
void Hauptfenster::radioUst19_Action() { calcAll(); }
