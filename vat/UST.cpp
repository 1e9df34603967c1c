#include "UST.h"

#include "framework/CDbl.h"
#include "framework/ControlBlueprint.h"
#include "framework/Format.h"
#include "resources/Layouts.h"

using namespace fw;

namespace {

constexpr std::string_view kEuroPattern = "###,##0.00 \\€";

constexpr EventBinding kBindings[] = {
    {"EditPreis16", "TextChange", "EditPreis16_TextChange"},
    {"EditPreis16", "GotFocus", "EditPreis16_GotFocus"},
    {"EditPreis19", "TextChange", "EditPreis19_TextChange"},
    {"EditPreis19", "GotFocus", "EditPreis19_GotFocus"},
    {"Pushok", "Action", "Pushok_Action"},
};

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

void UST::ctblinit()
{
    if (FindClass(kClassName))
        return;
    ClassBuilder b(std::string(kClassName), &LookupClass<Window>());
    b.method("Layout", "%%", &UST::Layout)
        .method("CreateControls", "%%", &UST::CreateControls)
        .method("_CreateControls0", "%%", &UST::CreateControls0);
    for (const ControlBlueprint& row : layouts::USTControls())
        b.rawMember(ControlAccessor(row.name, row.controlClass()));
    b.method("EditPreis16_TextChange", "%%", &UST::EditPreis16_TextChange)
        .method("EditPreis16_GotFocus", "%%", &UST::EditPreis16_GotFocus)
        .method("EditPreis19_TextChange", "%%", &UST::EditPreis19_TextChange)
        .method("EditPreis19_GotFocus", "%%", &UST::EditPreis19_GotFocus)
        .method("Pushok_Action", "%%", &UST::Pushok_Action)
        .method("AddMenuHandlers", "%%o<Window>", &UST::AddMenuHandlers)
        .method("calcUST", "%%", &UST::calcUST)
        .implementsEvent("Layout")
        .implementsEvent("CreateControls")
        .implementsEvent("AddMenuHandlers")
        .property(booleanProperty("set16", &UST::set16))
        .property(booleanProperty("set19", &UST::set19))
        .factory([] { return Ref<Object>(MakeRef<UST>()); })
        .registerClass();
}

const ClassRecord& UST::classRecord() const { return LookupClass<UST>(); }

void UST::Layout() { SetProperties(*this, layouts::USTWindow()); }
void UST::CreateControls() { CreateControls0(); }
void UST::CreateControls0() { CreateControlsFrom(*this, layouts::USTControls(), kBindings); }

void UST::AddMenuHandlers(Window& window) { RuntimeCheckCast(RefTo<Object>(window), LookupClass<UST>()); }

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
    to->setText(Format(converted, kEuroPattern));
}
