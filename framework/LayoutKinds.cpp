#include "LayoutKinds.h"

#include <limits>
#include <type_traits>
#include <variant>

namespace fw {
namespace {

constexpr Color kBlack{0x00, 0x00, 0x00};
constexpr Color kWhite{0xFF, 0xFF, 0xFF};
// Controls that are not members of a control array carry the lowest Integer as their index.
constexpr std::int32_t kNoIndex = std::numeric_limits<std::int32_t>::min();

// Writes the entries every control starts with, then lets finish() place TabIndex after the class's
// entries when the window asks for it there.
class ControlWriter {
public:
    ControlWriter(const std::string& name, Place place, std::int32_t tabIndex, TabIndexPlace tabIndexPlace)
        : tabIndex_(tabIndex), tabIndexPlace_(tabIndexPlace)
    {
        w.add(Prop::Name, name)
            .add(Prop::Index, kNoIndex)
            .add(Prop::Left, place.left)
            .add(Prop::Top, place.top)
            .add(Prop::Width, place.width)
            .add(Prop::Height, place.height)
            .add(Prop::LockLeft, false)
            .add(Prop::LockTop, false)
            .add(Prop::LockRight, false)
            .add(Prop::LockBottom, false)
            .add(Prop::TabPanelIndex, 0);
        if (tabIndexPlace_ == TabIndexPlace::AfterTabPanelIndex)
            w.add(Prop::TabIndex, tabIndex_);
    }

    std::string finish()
    {
        if (tabIndexPlace_ == TabIndexPlace::Last)
            w.add(Prop::TabIndex, tabIndex_);
        return w.bytes();
    }

    LayoutWriter w;

private:
    std::int32_t tabIndex_;
    TabIndexPlace tabIndexPlace_;
};

// The entries every control with a font shares, from TextFont to Underline.
void AddFont(LayoutWriter& w, std::int32_t size, bool bold, bool underline)
{
    w.add(Prop::TextFont, "System")
        .add(Prop::TextSize, size)
        .add(Prop::Bold, bold)
        .add(Prop::Italic, false)
        .add(Prop::Underline, underline);
}

// Visible, HelpTag and AutoDeactivate stand together in every control class.
void AddShown(LayoutWriter& w)
{
    w.add(Prop::Visible, true).add(Prop::HelpTag, "").add(Prop::AutoDeactivate, true);
}

} // namespace

std::string WindowLayout(const WindowRow& row)
{
    LayoutWriter w;
    w.add(Prop::Placement, 0)
        .add(Prop::Width, row.width)
        .add(Prop::Height, row.height)
        .add(Prop::MinWidth, 64)
        .add(Prop::MinHeight, 64)
        .add(Prop::MaxWidth, 32000)
        .add(Prop::MaxHeight, 32000)
        .add(Prop::Frame, 0)
        .add(Prop::Composite, false)
        .add(Prop::HasBackColor, false)
        .add(Prop::BackColor, kWhite)
        .add(Prop::Title, row.title)
        .add(Prop::Visible, true)
        .add(Prop::FullScreen, false)
        .add(Prop::MenuBarVisible, true)
        .add(Prop::CloseButton, true)
        .add(Prop::Resizeable, false)
        .add(Prop::LiveResize, false)
        .add(Prop::MaximizeButton, false)
        .add(Prop::MinimizeButton, true)
        .add(Prop::BalloonHelp, "")
        .add(Prop::MacProcID, 0);
    return w.bytes();
}

namespace {

std::string layoutOf(const EditFieldRow& row, ControlWriter c)
{
    c.w.add(Prop::Border, true)
        .add(Prop::Multiline, false)
        .add(Prop::ScrollbarHorizontal, false)
        .add(Prop::ScrollbarVertical, true)
        .add(Prop::Styled, false)
        .add(Prop::Password, false)
        .add(Prop::UseFocusRing, true)
        .add(Prop::TextColor, kBlack)
        .add(Prop::BackColor, kWhite)
        .add(Prop::Enabled, row.enabled)
        .add(Prop::Format, "");
    AddShown(c.w);
    AddFont(c.w, row.textSize, row.bold, false);
    c.w.add(Prop::Text, "")
        .add(Prop::Mask, "")
        .add(Prop::ReadOnly, false)
        .add(Prop::LimitText, 0)
        .add(Prop::AcceptTabs, false)
        .add(Prop::Alignment, row.alignment)
        .add(Prop::DataSource, "")
        .add(Prop::DataField, "")
        .add(Prop::InitialParent, "");
    return c.finish();
}

std::string layoutOf(const StaticTextRow& row, ControlWriter c)
{
    c.w.add(Prop::Text, row.text)
        .add(Prop::TextAlign, 0)
        .add(Prop::TextColor, row.textColor)
        .add(Prop::Multiline, row.multiline)
        .add(Prop::Enabled, true);
    AddShown(c.w);
    AddFont(c.w, row.textSize, row.bold, row.underline);
    c.w.add(Prop::DataSource, "").add(Prop::DataField, "").add(Prop::InitialParent, "");
    return c.finish();
}

std::string layoutOf(const PushButtonRow& row, ControlWriter c)
{
    c.w.add(Prop::Caption, row.caption)
        .add(Prop::Default, row.isDefault)
        .add(Prop::Cancel, row.isCancel)
        .add(Prop::Enabled, true);
    AddShown(c.w);
    AddFont(c.w, row.textSize, false, false);
    c.w.add(Prop::InitialParent, "");
    return c.finish();
}

std::string layoutOf(const RadioButtonRow& row, ControlWriter c)
{
    c.w.add(Prop::Caption, row.caption).add(Prop::Enabled, true);
    AddShown(c.w);
    AddFont(c.w, 12, false, false);
    c.w.add(Prop::Value, row.value).add(Prop::InitialParent, "");
    return c.finish();
}

std::string layoutOf(const LittleArrowsRow&, ControlWriter c)
{
    c.w.add(Prop::InitialParent, "");
    AddShown(c.w);
    c.w.add(Prop::Enabled, true);
    return c.finish();
}

std::string layoutOf(const CanvasRow&, ControlWriter c)
{
    AddShown(c.w);
    c.w.add(Prop::Enabled, true)
        .add(Prop::UseFocusRing, true)
        .add(Prop::AcceptFocus, false)
        .add(Prop::AcceptTabs, false)
        .add(Prop::EraseBackground, true)
        .add(Prop::InitialParent, "");
    return c.finish();
}

} // namespace

std::string ControlLayout(const ControlRow& row, std::int32_t tabIndex, TabIndexPlace tabIndexPlace)
{
    return std::visit(
        [&](const auto& kindRow) {
            Place place = kindRow.place;
            if constexpr (std::is_same_v<std::decay_t<decltype(kindRow)>, LittleArrowsRow>) {
                // An unset size stands for the arrows' own 13 x 23.
                place.width = place.width != 0 ? place.width : 13;
                place.height = place.height != 0 ? place.height : 23;
            }
            return layoutOf(kindRow, ControlWriter(kindRow.name, place, tabIndex, tabIndexPlace));
        },
        row);
}

} // namespace fw
