// The VAT converter: a 300 x 300 window titled "Umsatzsteuerrechner" with two large price fields under
// their labels and a "Neu" button; its controls carry their tab index last.
#include "UST.h"
#include "EuroPattern.h"

#include "framework/CDbl.h"
#include "framework/Format.h"

using namespace fw;

namespace {

PropertyRecord booleanProperty(std::string name, bool UST::*field)
{
    return PropertyRecord{
        std::move(name), 5, "b",
        [field](const Object& self) -> Value { return dynamic_cast<const UST&>(self).*field; },
        [field](Object& self, const Value& value) {
            const bool* b = std::get_if<bool>(&value);
            if (!b)
                throw IllegalCastException("a Boolean property takes a Boolean");
            dynamic_cast<UST&>(self).*field = *b;
        }};
}

} // namespace

const WindowRow& UST::LayoutRow()
{
    static const WindowRow row{.width = 300, .height = 300, .title = "Umsatzsteuerrechner"};
    return row;
}

const ControlTable& UST::Controls()
{
    static const ControlTable table(
        {
            StaticTextRow{.name = "StaticText16", .place = {43, 30, 100, 20}, .text = "Preis 16%", .textSize = 0},
            EditFieldRow{.name = "EditPreis16", .place = {43, 62, 214, 48}, .textSize = 36, .bold = true,
                         .alignment = 0,
                         .on = {{"TextChange", &UST::EditPreis16_TextChange}, {"GotFocus", &UST::EditPreis16_GotFocus}}},
            StaticTextRow{.name = "StaticText19", .place = {43, 154, 100, 20}, .text = "Preis 19%", .textSize = 0},
            EditFieldRow{.name = "EditPreis19", .place = {43, 186, 214, 48}, .textSize = 36, .bold = true,
                         .alignment = 0,
                         .on = {{"TextChange", &UST::EditPreis19_TextChange}, {"GotFocus", &UST::EditPreis19_GotFocus}}},
            PushButtonRow{.name = "Pushok", .place = {110, 252, 80, 20}, .caption = "Neu", .isDefault = true,
                          .textSize = 0, .on = {{"Action", &UST::Pushok_Action}}},
        },
        TabIndexPlace::Last);
    return table;
}

void UST::describeMembers(ClassBuilder& b)
{
    b.method("AddMenuHandlers", "%%o<Window>", &UST::AddMenuHandlers)
        .method("calcUST", "%%", &UST::calcUST)
        .property(booleanProperty("set16", &UST::set16))
        .property(booleanProperty("set19", &UST::set19));
}

void UST::EditPreis16_TextChange() { calcUST(); }
void UST::EditPreis19_TextChange() { calcUST(); }

void UST::EditPreis16_GotFocus()
{
    set16 = true;
    set19 = false;
}

void UST::EditPreis19_GotFocus()
{
    set19 = true;
    set16 = false;
}

void UST::Pushok_Action()
{
    ControlNamed<EditField>(*this, "EditPreis16")->setText("");
    ControlNamed<EditField>(*this, "EditPreis19")->setText("");
}

void UST::calcUST()
{
    // Both tests run: the second is no else-branch of the first.
    if (set16)
        convert("EditPreis16", "EditPreis19", 116.0, 119.0);
    if (set19)
        convert("EditPreis19", "EditPreis16", 119.0, 116.0);
}

void UST::convert(std::string_view source, std::string_view destination, double divisor, double multiplier)
{
    Ref<EditField> to = ControlNamed<EditField>(*this, destination);
    Ref<EditField> from = ControlNamed<EditField>(*this, source);
    double value = CDbl(from->text());
    double converted = (value / divisor) * multiplier;
    to->setText(Format(converted, patterns::kEuro));
}
