// The layouts of each kind of window and control, written from readable values.
//
// Every layout of a kind holds every entry of its kind, in the kind's fixed order; the values that all
// layouts of a kind share are the defaults of the structs below, so a window's source lists only what
// differs. Controls normally carry TabIndex right after TabPanelIndex; the VAT converter's controls
// carry it last, after their class's entries (TabIndexPlace::Last).
#pragma once

#include "PropertyBlob.h"

#include <cstdint>
#include <string>

namespace fw {

struct WindowLayoutSpec {
    std::int32_t width = 0, height = 0;
    std::string title;
};

enum class TabIndexPlace { AfterTabPanelIndex, Last };

struct ControlHeadSpec {
    std::string name;
    std::int32_t left = 0, top = 0, width = 0, height = 0;
    std::int32_t tabIndex = 0;
    TabIndexPlace tabIndexPlace = TabIndexPlace::AfterTabPanelIndex;
};

struct EditFieldLayoutSpec {
    ControlHeadSpec head;
    bool enabled = true;
    std::int32_t textSize = 12;
    bool bold = false;
    std::int32_t alignment = 3;
};

struct StaticTextLayoutSpec {
    ControlHeadSpec head;
    std::string text;
    Color textColor{0, 0, 0};
    bool multiline = false;
    std::int32_t textSize = 12;
    bool bold = false;
    bool underline = false;
};

struct PushButtonLayoutSpec {
    ControlHeadSpec head;
    std::string caption;
    bool isDefault = false;
    bool isCancel = false;
    std::int32_t textSize = 12;
};

struct RadioButtonLayoutSpec {
    ControlHeadSpec head;
    std::string caption;
    bool value = false;
};

struct LittleArrowsLayoutSpec {
    ControlHeadSpec head; // width and height 13 x 23, as every arrow control has
};

struct CanvasLayoutSpec {
    ControlHeadSpec head;
};

std::string WindowLayout(const WindowLayoutSpec& spec);
std::string EditFieldLayout(const EditFieldLayoutSpec& spec);
std::string StaticTextLayout(const StaticTextLayoutSpec& spec);
std::string PushButtonLayout(const PushButtonLayoutSpec& spec);
std::string RadioButtonLayout(const RadioButtonLayoutSpec& spec);
std::string LittleArrowsLayout(const LittleArrowsLayoutSpec& spec);
std::string CanvasLayout(const CanvasLayoutSpec& spec);

} // namespace fw
