// Layout descriptions: the byte form in which every window and control gets its initial properties.
//
// A layout is a run of entries and nothing else: the property name in ASCII letters, one space, then
// the value in the form its name's type fixes (Integer: 4 bytes big-endian two's complement; Boolean:
// 1 byte 0 or 1; Color: 3 bytes red, green, blue; String: a 4-byte big-endian byte count, then UTF-8).
// Names are matched without regard to case. The vocabulary is fixed: 65 names, each with one type.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace fw {

enum class PropType : std::uint8_t { Integer, Boolean, Color, String };

// Every property a layout can name. The enumerators carry the layout spelling.
enum class Prop : std::uint8_t {
    // Integer
    Placement, Width, Height, MinWidth, MinHeight, MaxWidth, MaxHeight, Frame, MacProcID, Index, Left, Top,
    TabPanelIndex, TabIndex, LimitText, Alignment, TextAlign, TextSize,
    // Boolean
    Composite, HasBackColor, Visible, FullScreen, MenuBarVisible, CloseButton, Resizeable, LiveResize,
    MaximizeButton, MinimizeButton, LockLeft, LockTop, LockRight, LockBottom, Border, Multiline,
    ScrollbarHorizontal, ScrollbarVertical, Styled, Password, UseFocusRing, Enabled, AutoDeactivate, Bold,
    Italic, Underline, ReadOnly, AcceptTabs, Default, Cancel, Value, EraseBackground, AcceptFocus,
    // Color
    BackColor, TextColor,
    // String
    Title, BalloonHelp, Name, Format, HelpTag, TextFont, Text, Mask, DataSource, DataField, InitialParent,
    Caption,
};
inline constexpr std::size_t kPropCount = static_cast<std::size_t>(Prop::Caption) + 1;

struct Color {
    std::uint8_t red = 0, green = 0, blue = 0;
    friend bool operator==(const Color&, const Color&) = default;
};

using PropValue = std::variant<std::int32_t, bool, Color, std::string>;

struct PropInfo {
    std::string_view layoutName;   // as written in layouts
    std::string_view propertyName; // the spelling of the class property it sets
    PropType type;
};

const PropInfo& Info(Prop prop);
// Case-insensitive look-up of a layout or property name.
std::optional<Prop> FindProp(std::string_view name);
PropType TypeOf(const PropValue& value);

struct LayoutEntry {
    Prop prop;
    PropValue value;
    std::size_t offset; // byte offset of the entry's name within the layout
    friend bool operator==(const LayoutEntry&, const LayoutEntry&) = default;
};

// Reads a whole layout. Throws LayoutException naming the property (or, for a bad name, its bytes) and
// the byte offset when a name is empty, holds a byte other than a letter, has no following space or is
// not in the vocabulary, when a value runs past the end, or when a Boolean byte is neither 0 nor 1.
// Takes any bytes, in time linear in their length.
std::vector<LayoutEntry> ReadLayout(std::string_view layout);

// Writes layouts from readable values: append entries in the order the kind of layout wants them.
class LayoutWriter {
public:
    LayoutWriter& add(Prop prop, PropValue value); // throws std::logic_error on a type mismatch
    LayoutWriter& add(Prop prop, const char* text) { return add(prop, PropValue(std::string(text))); }
    LayoutWriter& add(Prop prop, int value) { return add(prop, PropValue(static_cast<std::int32_t>(value))); }
    // Without it a bool would promote to int and be taken for an Integer.
    LayoutWriter& add(Prop prop, bool value) { return add(prop, PropValue(value)); }
    const std::string& bytes() const { return bytes_; }

private:
    std::string bytes_;
};

} // namespace fw
