// Building a window's controls from data: one blueprint per control (its class, name and layout bytes),
// in creation order, and the event bindings of each control, installed right after that control's layout
// and before the next control exists, so that the values a layout sets never reach a handler.
// ControlTable.h makes the blueprints and bindings from a window's control rows.
#pragma once

#include "ClassRecord.h"
#include "Window.h"

#include <functional>
#include <span>
#include <string>

namespace fw {

struct ControlBlueprint {
    const ClassRecord& (*controlClass)();
    std::string name;
    std::string layout;
};

struct EventBinding {
    std::string control;
    std::string event;
    std::string handler; // a member of the window's class
};

// Runs between adding a control and applying its layout, for a value no layout can carry.
using BeforeLayout = std::function<void(Window&, const ControlBlueprint&)>;

// For each blueprint: create the control in the window, run its constructor, add it under its name, look
// it up and check its class, apply its layout, then bind its events in the order of the bindings.
void CreateControlsFrom(Window& window, std::span<const ControlBlueprint> controls,
                        std::span<const EventBinding> bindings, const BeforeLayout& beforeLayout = {});

// A control accessor member: takes the control name, gives the control checked against its class.
MemberRecord ControlAccessor(std::string name, const ClassRecord& controlClass);

} // namespace fw
