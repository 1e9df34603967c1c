#include "ControlRows.h"

#include "Control.h"

namespace fw {

namespace {

template <class Row> struct ClassOfRow;
template <> struct ClassOfRow<EditFieldRow> { using type = EditField; };
template <> struct ClassOfRow<StaticTextRow> { using type = StaticText; };
template <> struct ClassOfRow<PushButtonRow> { using type = PushButton; };
template <> struct ClassOfRow<RadioButtonRow> { using type = RadioButton; };
template <> struct ClassOfRow<LittleArrowsRow> { using type = LittleArrows; };
template <> struct ClassOfRow<CanvasRow> { using type = Canvas; };

} // namespace

const std::string& NameOf(const ControlRow& row)
{
    return std::visit([](const auto& r) -> const std::string& { return r.name; }, row);
}

const std::vector<On>& EventsOf(const ControlRow& row)
{
    return std::visit([](const auto& r) -> const std::vector<On>& { return r.on; }, row);
}

ClassGetter ClassOf(const ControlRow& row)
{
    return std::visit(
        [](const auto& r) -> ClassGetter { return &LookupClass<typename ClassOfRow<std::decay_t<decltype(r)>>::type>; },
        row);
}

} // namespace fw
