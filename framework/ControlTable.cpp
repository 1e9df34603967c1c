#include "ControlTable.h"

namespace fw {

namespace {

// The window method a bound event runs: "AufschlagField_LostFocus".
std::string handlerName(const ControlRow& row, const On& on) { return NameOf(row) + "_" + std::string(on.event); }

} // namespace

ControlTable::ControlTable(std::vector<ControlRow> rows, TabIndexPlace tabIndexPlace) : rows_(std::move(rows))
{
    std::int32_t tabIndex = 0;
    for (const ControlRow& row : rows_) {
        blueprints_.push_back({ClassOf(row), NameOf(row), ControlLayout(row, tabIndex++, tabIndexPlace)});
        for (const On& on : EventsOf(row))
            bindings_.push_back({NameOf(row), std::string(on.event), handlerName(row, on)});
    }
}

void ControlTable::addMembers(ClassBuilder& builder) const
{
    for (const ControlRow& row : rows_)
        builder.rawMember(ControlAccessor(NameOf(row), ClassOf(row)()));
    for (const ControlRow& row : rows_)
        for (const On& on : EventsOf(row))
            on.registerMethod(builder, handlerName(row, on));
}

void ControlTable::createIn(Window& window) const
{
    auto setBackdrop = [this](Window& window, const ControlBlueprint& blueprint) {
        const auto* canvas = std::get_if<CanvasRow>(&rows_[static_cast<std::size_t>(&blueprint - blueprints_.data())]);
        if (canvas && canvas->backdrop)
            ControlNamed<Canvas>(window, canvas->name)->setBackdrop(canvas->backdrop());
    };
    CreateControlsFrom(window, blueprints_, bindings_, setBackdrop);
}

} // namespace fw
