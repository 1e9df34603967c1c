// The framework's events through real widgets, on a small window class of the tests' own: each user
// action reaches its handler once, in the order a user causes them, and never from code.
#include "GuiTestSupport.h"

#include "framework/Application.h"
#include "framework/ControlBlueprint.h"
#include "framework/LayoutKinds.h"

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using namespace fw;

class EventProbe : public Window {
public:
    static constexpr std::string_view kClassName = "EventProbe.EventProbe";
    static constexpr std::string_view kDisplayName = "EventProbe";
    static void ctblinit()
    {
        using P = EventProbe;
        ClassBuilder(std::string(kClassName), &LookupClass<Window>())
            .method("Layout", "%%", &P::Layout)
            .method("CreateControls", "%%", &P::CreateControls)
            .method("Field_TextChange", "%%", &P::Field_TextChange)
            .method("Field_KeyDown", "%b%s", &P::Field_KeyDown)
            .method("Field_GotFocus", "%%", &P::Field_GotFocus)
            .method("Field_LostFocus", "%%", &P::Field_LostFocus)
            .method("Label_MouseDown", "%b%i4i4", &P::Label_MouseDown)
            .method("Button_Action", "%%", &P::Button_Action)
            .method("RadioB_Action", "%%", &P::RadioB_Action)
            .method("Arrows_Up", "%%", &P::Arrows_Up)
            .method("Arrows_Down", "%%", &P::Arrows_Down)
            .implementsEvent("Layout")
            .implementsEvent("CreateControls")
            .factory([] { return Ref<Object>(MakeRef<EventProbe>()); })
            .registerClass();
    }
    const ClassRecord& classRecord() const override { return LookupClass<EventProbe>(); }

    void Layout() override { SetProperties(*this, WindowLayout({.width = 300, .height = 200, .title = "Probe"})); }
    void CreateControls() override
    {
        static const std::vector<ControlBlueprint> controls{
            {&LookupClass<EditField>, "Field", ControlLayout(EditFieldRow{.name = "Field", .place = {10, 10, 120, 22}}, 0)},
            {&LookupClass<EditField>, "Other", ControlLayout(EditFieldRow{.name = "Other", .place = {10, 40, 120, 22}}, 1)},
            {&LookupClass<StaticText>, "Label",
             ControlLayout(StaticTextRow{.name = "Label", .place = {10, 70, 120, 20}, .text = "Klick"}, 2)},
            {&LookupClass<PushButton>, "Button",
             ControlLayout(PushButtonRow{.name = "Button", .place = {10, 100, 80, 22}, .caption = "OK", .isDefault = true}, 3)},
            {&LookupClass<RadioButton>, "RadioA",
             ControlLayout(RadioButtonRow{.name = "RadioA", .place = {150, 10, 60, 20}, .caption = "A", .value = true}, 4)},
            {&LookupClass<RadioButton>, "RadioB",
             ControlLayout(RadioButtonRow{.name = "RadioB", .place = {150, 40, 60, 20}, .caption = "B"}, 5)},
            {&LookupClass<LittleArrows>, "Arrows", ControlLayout(LittleArrowsRow{.name = "Arrows", .place = {140, 100, 13, 23}}, 6)},
        };
        static const EventBinding bindings[] = {
            {"Field", "TextChange", "Field_TextChange"}, {"Field", "KeyDown", "Field_KeyDown"},
            {"Field", "GotFocus", "Field_GotFocus"},     {"Field", "LostFocus", "Field_LostFocus"},
            {"Label", "MouseDown", "Label_MouseDown"},   {"Button", "Action", "Button_Action"},
            {"RadioB", "Action", "RadioB_Action"},       {"Arrows", "Up", "Arrows_Up"},
            {"Arrows", "Down", "Arrows_Down"},
        };
        CreateControlsFrom(*this, controls, bindings);
    }

    void Field_TextChange() { log.push_back("TextChange " + ControlNamed<EditField>(*this, "Field")->text()); }
    bool Field_KeyDown(std::string key)
    {
        log.push_back("KeyDown " + key + " sees " + ControlNamed<EditField>(*this, "Field")->text());
        return key == "x";
    }
    void Field_GotFocus() { log.push_back("GotFocus"); }
    void Field_LostFocus() { log.push_back("LostFocus"); }
    bool Label_MouseDown(std::int32_t x, std::int32_t y)
    {
        log.push_back("MouseDown " + std::to_string(x) + "," + std::to_string(y));
        return false;
    }
    void Button_Action()
    {
        log.push_back("Action");
        if (failNext)
            throw NilObjectException("the probe's button failed");
    }
    void RadioB_Action() { log.push_back("RadioB " + std::string(ControlNamed<RadioButton>(*this, "RadioA")->value() ? "A on" : "A off")); }
    void Arrows_Up() { log.push_back("Up"); }
    void Arrows_Down() { log.push_back("Down"); }

    std::vector<std::string> log;
    bool failNext = false;
};

class FrameworkEvents : public testing::Test {
protected:
    void SetUp() override
    {
        window = SharedWindow<EventProbe>();
        guitest::ShowAndActivate(*window);
        guitest::Focus(*window, "Other");
        window->log.clear();
    }
    void TearDown() override
    {
        guitest::CloseWindow(window);
    }
    using Log = std::vector<std::string>;
    Ref<EventProbe> window;
};

TEST_F(FrameworkEvents, TypingRaisesKeyDownWithTheKeyAppliedThenTextChange)
{
    guitest::Focus(*window, "Field");
    QTest::keyClicks(guitest::WidgetOf(*window, "Field"), "12");
    EXPECT_EQ(window->log, (Log{"GotFocus", "KeyDown 1 sees 1", "TextChange 1", "KeyDown 2 sees 12", "TextChange 12"}));
}

TEST_F(FrameworkEvents, AKeyDownHandlerThatReturnsTrueRejectsTheKey)
{
    guitest::Focus(*window, "Field");
    auto* field = guitest::WidgetAs<QLineEdit>(*window, "Field");
    QTest::keyClicks(field, "1x2");
    EXPECT_EQ(field->text(), "12");
    EXPECT_EQ(ControlNamed<EditField>(*window, "Field")->text(), "12");
    EXPECT_EQ(window->log.at(3), "KeyDown x sees 1x");
    EXPECT_EQ(std::count(window->log.begin(), window->log.end(), "TextChange 1x"), 0);
}

TEST_F(FrameworkEvents, SettingTextFromCodeRaisesNothing)
{
    ControlNamed<EditField>(*window, "Field")->setText("aus dem Programm");
    EXPECT_EQ(guitest::WidgetAs<QLineEdit>(*window, "Field")->text(), "aus dem Programm");
    EXPECT_TRUE(window->log.empty());
}

TEST_F(FrameworkEvents, FocusMovesRaiseLostAndGotFocusButWindowSwitchesDoNot)
{
    guitest::Focus(*window, "Field");
    QTest::keyClick(guitest::WidgetOf(*window, "Field"), Qt::Key_Tab);
    EXPECT_EQ(window->log, (Log{"GotFocus", "LostFocus"}));

    guitest::Focus(*window, "Field");
    window->log.clear();
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    guitest::ShowAndActivate(*window);
    EXPECT_TRUE(window->log.empty());
}

TEST_F(FrameworkEvents, ClicksReachLabelsButtonsRadioButtonsAndArrows)
{
    QTest::mouseClick(guitest::WidgetOf(*window, "Label"), Qt::LeftButton, {}, QPoint(5, 7));
    QTest::mouseClick(guitest::WidgetOf(*window, "Button"), Qt::LeftButton);
    QTest::mouseClick(guitest::WidgetOf(*window, "RadioB"), Qt::LeftButton);
    QTest::mouseClick(guitest::WidgetOf(*window, "Arrows"), Qt::LeftButton, {}, QPoint(6, 3));
    QTest::mouseClick(guitest::WidgetOf(*window, "Arrows"), Qt::LeftButton, {}, QPoint(6, 20));
    EXPECT_EQ(window->log, (Log{"MouseDown 5,7", "Action", "RadioB A off", "Up", "Down"}));
    EXPECT_TRUE(guitest::WidgetAs<QRadioButton>(*window, "RadioB")->isChecked());
    EXPECT_FALSE(guitest::WidgetAs<QRadioButton>(*window, "RadioA")->isChecked());
}

TEST_F(FrameworkEvents, ReturnPressesTheDefaultButton)
{
    guitest::Focus(*window, "Other");
    QTest::keyClick(guitest::WidgetOf(*window, "Other"), Qt::Key_Return);
    EXPECT_EQ(window->log, (Log{"Action"}));
}

TEST_F(FrameworkEvents, AnExceptionFromAHandlerIsKeptForTheEventLoopNotThrownIntoQt)
{
    window->failNext = true;
    QTest::mouseClick(guitest::WidgetOf(*window, "Button"), Qt::LeftButton);
    std::exception_ptr kept = guitest::Backend().takePendingException();
    ASSERT_TRUE(kept);
    EXPECT_EQ(DescribeException(kept), "NilObjectException: the probe's button failed");
}

TEST_F(FrameworkEvents, ClosingByTheUserDropsTheSharedInstance)
{
    guitest::WidgetOf(*window)->close();
    EXPECT_TRUE(window->isClosed());
    EXPECT_FALSE(GetImplicitWindow(EventProbe::kClassName));
    Ref<EventProbe> again = SharedWindow<EventProbe>();
    EXPECT_NE(again.get(), window.get());
    EXPECT_TRUE(again->log.empty());
    again->Close();
}

} // namespace
