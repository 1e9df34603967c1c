#include "framework/Exceptions.h"
#include "framework/LayoutKinds.h"
#include "framework/PropertyBlob.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

using namespace fw;
using namespace std::string_literals;
using ::testing::HasSubstr;

namespace {

std::string Entry(Prop prop, PropValue value)
{
    return LayoutWriter().add(prop, std::move(value)).bytes();
}

std::vector<Prop> Props(const std::string& layout)
{
    std::vector<Prop> props;
    for (const LayoutEntry& entry : ReadLayout(layout))
        props.push_back(entry.prop);
    return props;
}

// Every control here is "Control1" at 10, 20, 100 x 22, seventh in its window's keyboard order.
constexpr Place kPlace{10, 20, 100, 22};
constexpr std::int32_t kTabIndex = 7;

std::string ErrorOf(const std::string& layout)
{
    try {
        ReadLayout(layout);
    } catch (const LayoutException& e) {
        return e.what();
    }
    ADD_FAILURE() << "no LayoutException";
    return {};
}

} // namespace

TEST(PropertyBlobEntry, ValuesHaveTheirByteForms)
{
    EXPECT_EQ(Entry(Prop::Width, 476), "Width \x00\x00\x01\xDC"s);
    EXPECT_EQ(Entry(Prop::Index, std::int32_t{-2147483647 - 1}), "Index \x80\x00\x00\x00"s);
    EXPECT_EQ(Entry(Prop::Name, "Canvas1"), "Name \x00\x00\x00\x07"s "Canvas1");
    EXPECT_EQ(Entry(Prop::Name, "Canvas1").size(), 16u);
    EXPECT_EQ(Entry(Prop::HelpTag, ""), "HelpTag \x00\x00\x00\x00"s);
    EXPECT_EQ(Entry(Prop::BackColor, Color{0xFF, 0xFF, 0xFF}), "BackColor \xFF\xFF\xFF");
    EXPECT_EQ(LayoutWriter().add(Prop::Visible, true).bytes(), "Visible \x01");
    EXPECT_EQ(LayoutWriter().add(Prop::Visible, false).bytes(), "Visible \x00"s);
}

TEST(PropertyBlobEntry, TextsCountUtf8BytesAndKeepLineBreaks)
{
    EXPECT_EQ(Entry(Prop::Text, "Rohgewinn ohne Veränderung").substr(5, 4), "\x00\x00\x00\x1B"s);
    EXPECT_EQ(Entry(Prop::Caption, "Veränderung %").substr(8, 4), "\x00\x00\x00\x0E"s);

    const std::string text = "Erste Zeile\r\rDritte Zeile";
    const std::string layout = Entry(Prop::Text, text);
    EXPECT_NE(layout.find("\r\r"), std::string::npos);
    EXPECT_EQ(layout.find('\n'), std::string::npos);
    EXPECT_EQ(std::get<std::string>(ReadLayout(layout).at(0).value), text);
}

TEST(PropertyBlobEntry, WriterRefusesAValueOfTheWrongType)
{
    LayoutWriter writer;
    EXPECT_THROW(writer.add(Prop::Width, "476"), std::logic_error);
    EXPECT_THROW(writer.add(Prop::Visible, 1), std::logic_error);
    EXPECT_THROW(writer.add(Prop::Title, true), std::logic_error);
    EXPECT_THROW(writer.add(Prop::Width, Color{}), std::logic_error);
    EXPECT_TRUE(writer.bytes().empty());
}

TEST(PropertyBlobVocabulary, NamesMatchWithoutCaseAndKnowTheirClassSpelling)
{
    EXPECT_EQ(Props("WIDTH \x00\x00\x00\x01"s "multiline \x01"), (std::vector{Prop::Width, Prop::Multiline}));
    EXPECT_EQ(FindProp("MacProcId"), Prop::MacProcID);
    EXPECT_EQ(FindProp("ScrollBarVertical"), Prop::ScrollbarVertical);
    EXPECT_EQ(FindProp("Colour"), std::nullopt);
    EXPECT_EQ(Info(Prop::Multiline).propertyName, "MultiLine");
    EXPECT_EQ(Info(Prop::ScrollbarHorizontal).propertyName, "ScrollBarHorizontal");
    EXPECT_EQ(Info(Prop::TextColor).type, PropType::Color);
    EXPECT_EQ(Info(Prop::AcceptFocus).type, PropType::Boolean);
    EXPECT_EQ(Info(Prop::TextSize).type, PropType::Integer);
}

TEST(PropertyBlobRead, ReadsEntriesWithTheirOffsets)
{
    EXPECT_TRUE(ReadLayout("").empty());
    const auto entries = ReadLayout("Top \xFF\xFF\xFF\xFE" "Caption \x00\x00\x00\x02OK" "Bold \x01"s);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0], (LayoutEntry{Prop::Top, std::int32_t{-2}, 0}));
    EXPECT_EQ(entries[1], (LayoutEntry{Prop::Caption, "OK"s, 8}));
    EXPECT_EQ(entries[2], (LayoutEntry{Prop::Bold, true, 22}));
}

TEST(PropertyBlobRead, MalformedLayoutsNameThePropertyAndOffset)
{
    const std::string width = Entry(Prop::Width, 1); // 10 bytes, so the next entry starts at 10
    EXPECT_THAT(ErrorOf(width + "Height"), AllOf(HasSubstr("Height"), HasSubstr("10"), HasSubstr("space")));
    EXPECT_THAT(ErrorOf(width + "Height \x00\x00"s), AllOf(HasSubstr("Height"), HasSubstr("offset 10")));
    EXPECT_THAT(ErrorOf(width + "Title \x00\x00\x00\x05Hi"s), AllOf(HasSubstr("Title"), HasSubstr("offset 10")));
    EXPECT_THAT(ErrorOf(width + "Title \x00\x00"s), AllOf(HasSubstr("Title"), HasSubstr("offset 10")));
    EXPECT_THAT(ErrorOf(width + "Colour \xFF\xFF\xFF"), AllOf(HasSubstr("Colour"), HasSubstr("offset 10")));
    EXPECT_THAT(ErrorOf(width + "Text \xFF\xFF\xFF\xFFxyz"),
                AllOf(HasSubstr("Text"), HasSubstr("4294967295"), HasSubstr("offset 10")));
    EXPECT_THAT(ErrorOf(width + "Bold \x02"), AllOf(HasSubstr("Bold"), HasSubstr("offset 10")));
    EXPECT_THAT(ErrorOf(width + " \x01"), HasSubstr("offset 10"));
    EXPECT_THAT(ErrorOf(width + "Wi\ndth \x01"), AllOf(HasSubstr("Wi\\x0A"), HasSubstr("offset 12")));
    EXPECT_THAT(ErrorOf(std::string(5000, 'x')), AllOf(HasSubstr("..."), HasSubstr("offset 0")));
    EXPECT_LT(ErrorOf(std::string(5000, 'x')).size(), 200u);
}

TEST(PropertyBlobKinds, AboutWindowAndCanvasHaveTheirExactSizes)
{
    const std::string window = WindowLayout({476, 337, "Willkommen"});
    EXPECT_EQ(window.size(), 293u);
    EXPECT_EQ(ReadLayout(window).size(), 22u);
    EXPECT_EQ(window.substr(0, 24), "Placement \x00\x00\x00\x00Width \x00\x00\x01\xDC"s);

    const std::string canvas = ControlLayout(CanvasRow{"Canvas1", {239, 212, 205, 73}}, 4);
    EXPECT_EQ(canvas.size(), 257u);
    EXPECT_EQ(ReadLayout(canvas).size(), 21u);
    EXPECT_EQ(canvas.substr(0, 16), Entry(Prop::Name, "Canvas1"));
}

TEST(PropertyBlobKinds, EveryKindHasItsEntriesAndTabIndexWhereAsked)
{
    const std::vector<std::pair<std::function<std::string(TabIndexPlace)>, std::size_t>> kinds{
        {[](TabIndexPlace p) { return ControlLayout(EditFieldRow{"Control1", kPlace}, kTabIndex, p); }, 40},
        {[](TabIndexPlace p) { return ControlLayout(StaticTextRow{"Control1", kPlace, "Netto"}, kTabIndex, p); }, 28},
        {[](TabIndexPlace p) { return ControlLayout(PushButtonRow{"Control1", kPlace, "OK", true}, kTabIndex, p); }, 25},
        {[](TabIndexPlace p) { return ControlLayout(RadioButtonRow{"Control1", kPlace, "Brutto", true}, kTabIndex, p); }, 24},
        {[](TabIndexPlace p) { return ControlLayout(LittleArrowsRow{"Control1", kPlace}, kTabIndex, p); }, 17},
        {[](TabIndexPlace p) { return ControlLayout(CanvasRow{"Control1", kPlace}, kTabIndex, p); }, 21},
    };
    for (const auto& [layout, count] : kinds) {
        const auto normal = Props(layout(TabIndexPlace::AfterTabPanelIndex));
        const auto last = Props(layout(TabIndexPlace::Last));
        ASSERT_EQ(normal.size(), count);
        ASSERT_EQ(last.size(), count);
        EXPECT_EQ(normal.at(10), Prop::TabPanelIndex);
        EXPECT_EQ(normal.at(11), Prop::TabIndex);
        EXPECT_EQ(last.back(), Prop::TabIndex);
        auto moved = normal;
        moved.erase(moved.begin() + 11);
        moved.push_back(Prop::TabIndex);
        EXPECT_EQ(last, moved) << "only TabIndex moves";
    }
}

TEST(PropertyBlobKinds, WrittenLayoutsReadBackToTheirValues)
{
    const auto valueOf = [](const std::string& layout, Prop prop) {
        for (const LayoutEntry& entry : ReadLayout(layout))
            if (entry.prop == prop)
                return entry.value;
        ADD_FAILURE() << Info(prop).layoutName << " missing";
        return PropValue{};
    };
    const std::string field = ControlLayout(EditFieldRow{"Control1", kPlace, false, 14, true, 1}, kTabIndex, TabIndexPlace::Last);
    EXPECT_EQ(valueOf(field, Prop::Enabled), PropValue(false));
    EXPECT_EQ(valueOf(field, Prop::TextSize), PropValue(14));
    EXPECT_EQ(valueOf(field, Prop::Bold), PropValue(true));
    EXPECT_EQ(valueOf(field, Prop::Alignment), PropValue(1));
    EXPECT_EQ(valueOf(field, Prop::Index), PropValue(std::int32_t{-2147483647 - 1}));
    EXPECT_EQ(valueOf(field, Prop::TabIndex), PropValue(7));

    const std::string label =
        ControlLayout(StaticTextRow{"Control1", kPlace, "Zeile\rZeile", {1, 2, 3}, true, 10, true, true}, kTabIndex);
    EXPECT_EQ(valueOf(label, Prop::Text), PropValue("Zeile\rZeile"s));
    EXPECT_EQ(valueOf(label, Prop::TextColor), PropValue(Color{1, 2, 3}));
    EXPECT_EQ(valueOf(label, Prop::Multiline), PropValue(true));
    EXPECT_EQ(valueOf(label, Prop::Underline), PropValue(true));

    const std::string button = ControlLayout(PushButtonRow{"Control1", kPlace, "Abbrechen", false, true}, kTabIndex);
    EXPECT_EQ(valueOf(button, Prop::Default), PropValue(false));
    EXPECT_EQ(valueOf(button, Prop::Cancel), PropValue(true));
    EXPECT_EQ(valueOf(ControlLayout(RadioButtonRow{"Control1", kPlace, "Netto", true}, kTabIndex, TabIndexPlace::Last), Prop::Value), PropValue(true));

    const std::string arrows = ControlLayout(LittleArrowsRow{"Arrows1", {5, 6}});
    EXPECT_EQ(valueOf(arrows, Prop::Width), PropValue(13));
    EXPECT_EQ(valueOf(arrows, Prop::Height), PropValue(23));
    EXPECT_EQ(valueOf(ControlLayout(LittleArrowsRow{"Control1", kPlace}, kTabIndex, TabIndexPlace::Last), Prop::Width), PropValue(100));
}
