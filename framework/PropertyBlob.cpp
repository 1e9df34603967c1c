#include "PropertyBlob.h"

#include "Exceptions.h"

#include <array>
#include <limits>
#include <stdexcept>
#include <type_traits>

namespace fw {
namespace {

// Indexed by Prop; the order must follow the enumeration.
constexpr std::array<PropInfo, kPropCount> kInfos{{
    {"Placement", "Placement", PropType::Integer},
    {"Width", "Width", PropType::Integer},
    {"Height", "Height", PropType::Integer},
    {"MinWidth", "MinWidth", PropType::Integer},
    {"MinHeight", "MinHeight", PropType::Integer},
    {"MaxWidth", "MaxWidth", PropType::Integer},
    {"MaxHeight", "MaxHeight", PropType::Integer},
    {"Frame", "Frame", PropType::Integer},
    {"MacProcID", "MacProcId", PropType::Integer},
    {"Index", "Index", PropType::Integer},
    {"Left", "Left", PropType::Integer},
    {"Top", "Top", PropType::Integer},
    {"TabPanelIndex", "TabPanelIndex", PropType::Integer},
    {"TabIndex", "TabIndex", PropType::Integer},
    {"LimitText", "LimitText", PropType::Integer},
    {"Alignment", "Alignment", PropType::Integer},
    {"TextAlign", "TextAlign", PropType::Integer},
    {"TextSize", "TextSize", PropType::Integer},
    {"Composite", "Composite", PropType::Boolean},
    {"HasBackColor", "HasBackColor", PropType::Boolean},
    {"Visible", "Visible", PropType::Boolean},
    {"FullScreen", "FullScreen", PropType::Boolean},
    {"MenuBarVisible", "MenuBarVisible", PropType::Boolean},
    {"CloseButton", "CloseButton", PropType::Boolean},
    {"Resizeable", "Resizeable", PropType::Boolean},
    {"LiveResize", "LiveResize", PropType::Boolean},
    {"MaximizeButton", "MaximizeButton", PropType::Boolean},
    {"MinimizeButton", "MinimizeButton", PropType::Boolean},
    {"LockLeft", "LockLeft", PropType::Boolean},
    {"LockTop", "LockTop", PropType::Boolean},
    {"LockRight", "LockRight", PropType::Boolean},
    {"LockBottom", "LockBottom", PropType::Boolean},
    {"Border", "Border", PropType::Boolean},
    {"Multiline", "MultiLine", PropType::Boolean},
    {"ScrollbarHorizontal", "ScrollBarHorizontal", PropType::Boolean},
    {"ScrollbarVertical", "ScrollBarVertical", PropType::Boolean},
    {"Styled", "Styled", PropType::Boolean},
    {"Password", "Password", PropType::Boolean},
    {"UseFocusRing", "UseFocusRing", PropType::Boolean},
    {"Enabled", "Enabled", PropType::Boolean},
    {"AutoDeactivate", "AutoDeactivate", PropType::Boolean},
    {"Bold", "Bold", PropType::Boolean},
    {"Italic", "Italic", PropType::Boolean},
    {"Underline", "Underline", PropType::Boolean},
    {"ReadOnly", "ReadOnly", PropType::Boolean},
    {"AcceptTabs", "AcceptTabs", PropType::Boolean},
    {"Default", "Default", PropType::Boolean},
    {"Cancel", "Cancel", PropType::Boolean},
    {"Value", "Value", PropType::Boolean},
    {"EraseBackground", "EraseBackground", PropType::Boolean},
    {"AcceptFocus", "AcceptFocus", PropType::Boolean},
    {"BackColor", "BackColor", PropType::Color},
    {"TextColor", "TextColor", PropType::Color},
    {"Title", "Title", PropType::String},
    {"BalloonHelp", "BalloonHelp", PropType::String},
    {"Name", "Name", PropType::String},
    {"Format", "Format", PropType::String},
    {"HelpTag", "HelpTag", PropType::String},
    {"TextFont", "TextFont", PropType::String},
    {"Text", "Text", PropType::String},
    {"Mask", "Mask", PropType::String},
    {"DataSource", "DataSource", PropType::String},
    {"DataField", "DataField", PropType::String},
    {"InitialParent", "InitialParent", PropType::String},
    {"Caption", "Caption", PropType::String},
}};

static_assert(kInfos[static_cast<std::size_t>(Prop::TextSize)].layoutName == "TextSize");
static_assert(kInfos[static_cast<std::size_t>(Prop::AcceptFocus)].layoutName == "AcceptFocus");
static_assert(kInfos[static_cast<std::size_t>(Prop::TextColor)].layoutName == "TextColor");
static_assert(kInfos[static_cast<std::size_t>(Prop::Caption)].layoutName == "Caption");

// TypeOf relies on the alternatives of PropValue standing in PropType's order.
static_assert(std::is_same_v<std::variant_alternative_t<static_cast<std::size_t>(PropType::Integer), PropValue>,
                             std::int32_t>);
static_assert(std::is_same_v<std::variant_alternative_t<static_cast<std::size_t>(PropType::Boolean), PropValue>,
                             bool>);
static_assert(std::is_same_v<std::variant_alternative_t<static_cast<std::size_t>(PropType::Color), PropValue>,
                             Color>);
static_assert(std::is_same_v<std::variant_alternative_t<static_cast<std::size_t>(PropType::String), PropValue>,
                             std::string>);

constexpr std::size_t kStringCountBytes = 4;

constexpr bool IsLetter(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

constexpr unsigned char Lower(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Lower(static_cast<unsigned char>(a[i])) != Lower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

const char* TypeName(PropType type)
{
    switch (type) {
    case PropType::Integer: return "Integer";
    case PropType::Boolean: return "Boolean";
    case PropType::Color: return "Color";
    case PropType::String: return "String";
    }
    return "?";
}

// Layout bytes for a message: printable ASCII as it is, everything else as \xHH, cut after a few
// dozen bytes so that a runaway name does not flood the message.
std::string Printable(std::string_view bytes)
{
    constexpr std::size_t kShown = 32;
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (std::size_t i = 0; i < bytes.size() && i < kShown; ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c >= 0x20 && c < 0x7F && c != '\\' && c != '"') {
            out += static_cast<char>(c);
        } else {
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 0x0F];
        }
    }
    if (bytes.size() > kShown)
        out += "...";
    return out;
}

[[noreturn]] void Fail(std::size_t offset, const std::string& what)
{
    throw LayoutException("layout at offset " + std::to_string(offset) + ": " + what);
}

std::uint32_t ReadBigEndian32(std::string_view bytes, std::size_t at)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

void AppendBigEndian32(std::string& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out += static_cast<char>((value >> shift) & 0xFF);
}

} // namespace

const PropInfo& Info(Prop prop)
{
    const auto index = static_cast<std::size_t>(prop);
    if (index >= kPropCount)
        throw std::out_of_range("no layout property number " + std::to_string(index));
    return kInfos[index];
}

std::optional<Prop> FindProp(std::string_view name)
{
    // The class spellings differ from the layout spellings only in case, so one comparison serves both.
    for (std::size_t i = 0; i < kPropCount; ++i) {
        if (EqualsIgnoringCase(name, kInfos[i].layoutName))
            return static_cast<Prop>(i);
    }
    return std::nullopt;
}

PropType TypeOf(const PropValue& value)
{
    return static_cast<PropType>(value.index());
}

std::vector<LayoutEntry> ReadLayout(std::string_view layout)
{
    std::vector<LayoutEntry> entries;
    std::size_t pos = 0;
    while (pos < layout.size()) {
        const std::size_t start = pos;
        while (pos < layout.size() && IsLetter(static_cast<unsigned char>(layout[pos])))
            ++pos;
        const std::string_view rawName = layout.substr(start, pos - start);
        if (pos == layout.size())
            Fail(start, "name \"" + Printable(rawName) + "\" has no following space");
        if (layout[pos] != ' ') {
            Fail(pos, "byte \"" + Printable(layout.substr(pos, 1)) + "\" is not a letter, in name \""
                          + Printable(layout.substr(start, pos - start + 1)) + "\" starting at offset "
                          + std::to_string(start));
        }
        if (rawName.empty())
            Fail(start, "empty property name");
        const std::optional<Prop> prop = FindProp(rawName);
        if (!prop)
            Fail(start, "unknown property \"" + Printable(rawName) + "\"");
        ++pos; // the space

        const PropInfo& info = Info(*prop);
        const std::size_t remaining = layout.size() - pos;
        auto need = [&](std::size_t bytes, const char* what) {
            if (remaining < bytes) {
                Fail(start, std::string(info.layoutName) + ": " + what + " needs " + std::to_string(bytes)
                                + " bytes at offset " + std::to_string(pos) + ", " + std::to_string(remaining)
                                + " remain");
            }
        };

        PropValue value;
        switch (info.type) {
        case PropType::Integer:
            need(4, "Integer");
            value = static_cast<std::int32_t>(ReadBigEndian32(layout, pos));
            pos += 4;
            break;
        case PropType::Boolean: {
            need(1, "Boolean");
            const auto byte = static_cast<unsigned char>(layout[pos]);
            if (byte > 1) {
                Fail(start, std::string(info.layoutName) + ": Boolean byte \"" + Printable(layout.substr(pos, 1))
                                + "\" at offset " + std::to_string(pos) + " is neither 0 nor 1");
            }
            value = byte == 1;
            pos += 1;
            break;
        }
        case PropType::Color:
            need(3, "Color");
            value = Color{static_cast<std::uint8_t>(layout[pos]), static_cast<std::uint8_t>(layout[pos + 1]),
                          static_cast<std::uint8_t>(layout[pos + 2])};
            pos += 3;
            break;
        case PropType::String: {
            need(kStringCountBytes, "String byte count");
            const std::uint32_t count = ReadBigEndian32(layout, pos);
            pos += kStringCountBytes;
            // Compared against what is left, never added to pos first, so no count can wrap around.
            if (count > layout.size() - pos) {
                Fail(start, std::string(info.layoutName) + ": String of " + std::to_string(count)
                                + " bytes at offset " + std::to_string(pos) + " runs past the end, "
                                + std::to_string(layout.size() - pos) + " remain");
            }
            value = std::string(layout.substr(pos, count));
            pos += count;
            break;
        }
        }
        entries.push_back(LayoutEntry{*prop, std::move(value), start});
    }
    return entries;
}

LayoutWriter& LayoutWriter::add(Prop prop, PropValue value)
{
    const PropInfo& info = Info(prop);
    if (TypeOf(value) != info.type) {
        throw std::logic_error(std::string("layout property ") + std::string(info.layoutName) + " takes "
                               + TypeName(info.type) + ", not " + TypeName(TypeOf(value)));
    }
    std::string entry(info.layoutName);
    entry += ' ';
    switch (info.type) {
    case PropType::Integer:
        AppendBigEndian32(entry, static_cast<std::uint32_t>(std::get<std::int32_t>(value)));
        break;
    case PropType::Boolean:
        entry += std::get<bool>(value) ? '\x01' : '\x00';
        break;
    case PropType::Color: {
        const Color& color = std::get<Color>(value);
        entry += static_cast<char>(color.red);
        entry += static_cast<char>(color.green);
        entry += static_cast<char>(color.blue);
        break;
    }
    case PropType::String: {
        const std::string& text = std::get<std::string>(value);
        if (text.size() > std::numeric_limits<std::uint32_t>::max())
            throw std::length_error("layout property " + std::string(info.layoutName) + ": text too long");
        AppendBigEndian32(entry, static_cast<std::uint32_t>(text.size()));
        entry += text;
        break;
    }
    }
    bytes_ += entry;
    return *this;
}

} // namespace fw
