// A window's controls as a table of rows (ControlRows.h), the one source of the window's control
// layouts, of its control accessors and event handlers in its class record, and of the controls and
// bindings each new window gets.
#pragma once

#include "ControlBlueprint.h"
#include "ControlRows.h"
#include "LayoutKinds.h"

#include <vector>

namespace fw {

class ControlTable {
public:
    // The rows in creation order, which is also their TabIndex order.
    ControlTable(std::vector<ControlRow> rows, TabIndexPlace tabIndexPlace = TabIndexPlace::AfterTabPanelIndex);

    // Class, name and layout bytes of each control, in creation order.
    const std::vector<ControlBlueprint>& blueprints() const { return blueprints_; }

    // The class's members for its controls: an accessor per control in creation order, then a method
    // per bound event in binding order.
    void addMembers(ClassBuilder& builder) const;
    // Creates the controls in the window one by one, each laid out and bound before the next exists.
    void createIn(Window& window) const;

private:
    std::vector<ControlRow> rows_;
    std::vector<ControlBlueprint> blueprints_;
    std::vector<EventBinding> bindings_;
};

} // namespace fw
