// The notation in which every window writes its controls: one row per control, in creation order,
// with the values its layout sets that differ from its kind's usual ones, and the events bound on it.
//
//     Edit{.name = "AufschlagField", .place = {125, 38, 80, 22}, .on = {{"LostFocus", &H::AufschlagField_LostFocus}}}
//
// A bound event runs the window method whose registered name is the control's and the event's joined
// by an underscore ("AufschlagField_LostFocus"): the row names the method's function, the name follows
// from the row. LayoutKinds.h turns a row into its layout bytes; ControlTable.h builds a window from rows.
#pragma once

#include "ClassRecord.h"
#include "PropertyBlob.h"
#include "Resources.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace fw {

struct Place {
    std::int32_t left = 0, top = 0, width = 0, height = 0;
};

// One event of a control and the window method it runs.
class On {
public:
    template <class W, class R, class... A>
    On(std::string_view event, R (W::*method)(A...))
        : event(event), registerMethod([method](ClassBuilder& builder, std::string name) {
              builder.method(std::move(name), SignatureOf<R, A...>(), method);
          })
    {
    }

    std::string_view event;
    // Adds the method to a class record under the name given.
    std::function<void(ClassBuilder&, std::string)> registerMethod;
};

struct WindowRow {
    std::int32_t width = 0, height = 0;
    std::string title{};
};

struct EditFieldRow {
    std::string name{};
    Place place{};
    bool enabled = true;
    std::int32_t textSize = 12;
    bool bold = false;
    std::int32_t alignment = 3; // 0 left, 3 right
    std::vector<On> on{};
};

struct StaticTextRow {
    std::string name{};
    Place place{};
    std::string text{}; // lines separated by carriage returns
    Color textColor{0, 0, 0};
    bool multiline = false;
    std::int32_t textSize = 12;
    bool bold = false;
    bool underline = false;
    std::vector<On> on{};
};

struct PushButtonRow {
    std::string name{};
    Place place{};
    std::string caption{};
    bool isDefault = false;
    bool isCancel = false;
    std::int32_t textSize = 12;
    std::vector<On> on{};
};

struct RadioButtonRow {
    std::string name{};
    Place place{};
    std::string caption{};
    bool value = false;
    std::vector<On> on{};
};

struct LittleArrowsRow {
    std::string name{};
    Place place{}; // an unset size stands for the arrows' own 13 x 23
    std::vector<On> on{};
};

struct CanvasRow {
    std::string name{};
    Place place{};
    // The picture the canvas shows; no layout entry carries it, so it is set after the canvas is added
    // and before its layout is applied.
    Ref<Picture> (*backdrop)() = nullptr;
    std::vector<On> on{};
};

using ControlRow = std::variant<EditFieldRow, StaticTextRow, PushButtonRow, RadioButtonRow, LittleArrowsRow, CanvasRow>;

const std::string& NameOf(const ControlRow& row);
const std::vector<On>& EventsOf(const ControlRow& row);
// The record of the control's class, through its look-up.
using ClassGetter = const ClassRecord& (*)();
ClassGetter ClassOf(const ControlRow& row);

} // namespace fw
