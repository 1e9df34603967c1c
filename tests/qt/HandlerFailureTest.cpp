// What follows an exception that a handler lets out, on a small window class of the tests' own: the
// rest of the user's action runs no handler, nor does anything after it until the exception is dealt
// with, and the message about it stays up for the user to read.
#include "GuiTestSupport.h"

#include "framework/Application.h"
#include "framework/ControlBlueprint.h"
#include "framework/LayoutKinds.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace fw;

class FailureProbe : public Window {
public:
    static constexpr std::string_view kClassName = "FailureProbe.FailureProbe";
    static constexpr std::string_view kDisplayName = "FailureProbe";
    static void ctblinit()
    {
        using P = FailureProbe;
        ClassBuilder(std::string(kClassName), &LookupClass<Window>())
            .method("Layout", "%%", &P::Layout)
            .method("CreateControls", "%%", &P::CreateControls)
            .method("Field_KeyDown", "%b%s", &P::Field_KeyDown)
            .method("Field_TextChange", "%%", &P::Field_TextChange)
            .method("Field_LostFocus", "%%", &P::Field_LostFocus)
            .method("Button_Action", "%%", &P::Button_Action)
            .implementsEvent("Layout")
            .implementsEvent("CreateControls")
            .factory([] { return Ref<Object>(MakeRef<FailureProbe>()); })
            .registerClass();
    }
    const ClassRecord& classRecord() const override { return LookupClass<FailureProbe>(); }

    void Layout() override
    {
        SetProperties(*this, WindowLayout({.width = 300, .height = 120, .title = "Probe"}));
    }
    void CreateControls() override
    {
        static const std::vector<ControlBlueprint> controls{
            {&LookupClass<EditField>, "Field", ControlLayout(EditFieldRow{.name = "Field", .place = {10, 10, 120, 22}}, 0)},
            {&LookupClass<EditField>, "Other", ControlLayout(EditFieldRow{.name = "Other", .place = {10, 40, 120, 22}}, 1)},
            {&LookupClass<PushButton>, "Button",
             ControlLayout(PushButtonRow{.name = "Button", .place = {10, 70, 120, 22}, .caption = "OK"}, 2)},
        };
        static const EventBinding bindings[] = {
            {"Field", "KeyDown", "Field_KeyDown"},
            {"Field", "TextChange", "Field_TextChange"},
            {"Field", "LostFocus", "Field_LostFocus"},
            {"Button", "Action", "Button_Action"},
        };
        CreateControlsFrom(*this, controls, bindings);
    }

    // "!" is a key the handler fails on.
    bool Field_KeyDown(std::string key)
    {
        log.push_back("KeyDown " + key);
        if (key == "!")
            throw NilObjectException("the probe's KeyDown failed");
        return false;
    }
    void Field_TextChange() { log.push_back("TextChange"); }
    void Field_LostFocus() { log.push_back("LostFocus"); }
    void Button_Action()
    {
        log.push_back("Action");
        if (failAction)
            throw NilObjectException("the probe's button failed");
    }

    std::vector<std::string> log;
    bool failAction = false;
};

using Log = std::vector<std::string>;

struct Failure {
    const char* name;
    std::function<void(FailureProbe&)> act; // the user's action whose handler fails
    Log logged;                              // what ran of it
    const char* kept;                        // the exception kept for the event loop
};

void PrintTo(const Failure& row, std::ostream* out) { *out << row.name; }

class HandlerFailure : public testing::TestWithParam<Failure> {
protected:
    void SetUp() override
    {
        window = SharedWindow<FailureProbe>();
        guitest::ShowAndActivate(*window);
        guitest::Focus(*window, "Field");
        QTest::keyClick(guitest::WidgetOf(*window, "Field"), '1');
        guitest::Focus(*window, "Other");
        window->log.clear();
    }
    void TearDown() override
    {
        guitest::Backend().takePendingException();
        guitest::CloseWindow(window);
    }
    // What a user does next: a key in the field, leaving it, a click.
    void carryOn()
    {
        window->failAction = false;
        guitest::Focus(*window, "Field");
        QTest::keyClick(guitest::WidgetOf(*window, "Field"), '2');
        guitest::Focus(*window, "Other");
        QTest::mouseClick(guitest::WidgetOf(*window, "Button"), Qt::LeftButton);
    }

    Ref<FailureProbe> window;
};

TEST_P(HandlerFailure, TheRestOfTheActionRunsNoHandler)
{
    GetParam().act(*window);
    EXPECT_EQ(window->log, GetParam().logged);
    EXPECT_EQ(DescribeException(guitest::Backend().takePendingException()), GetParam().kept);
}

TEST_P(HandlerFailure, NoLaterEventRunsAHandlerUntilTheExceptionIsTaken)
{
    GetParam().act(*window);
    carryOn();
    EXPECT_EQ(window->log, GetParam().logged);
    ASSERT_TRUE(guitest::Backend().takePendingException());
    window->log.clear();
    carryOn();
    EXPECT_EQ(window->log, (Log{"KeyDown 2", "TextChange", "LostFocus", "Action"}));
}

// After an exception outside the event loop the message about it must stay up: the loop's end that
// dispatch asks for must not close the next message box at once.
TEST_P(HandlerFailure, TheMessageAboutTheExceptionStaysUpForTheUser)
{
    GetParam().act(*window);
    std::exception_ptr kept = guitest::Backend().takePendingException();
    guitest::MessageBoxCloser boxes;
    UnhandledException(kept);
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_TRUE(boxes.texts.front().contains(QString::fromStdString(GetParam().kept)))
        << boxes.texts.front().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    , HandlerFailure,
    testing::Values(
        Failure{"KeyDownOfATypedKey",
                [](FailureProbe& w) {
                    guitest::Focus(w, "Field");
                    QTest::keyClick(guitest::WidgetOf(w, "Field"), '!');
                },
                {"KeyDown !"},
                "NilObjectException: the probe's KeyDown failed"},
        Failure{"ActionOfAButton",
                [](FailureProbe& w) {
                    w.failAction = true;
                    QTest::mouseClick(guitest::WidgetOf(w, "Button"), Qt::LeftButton);
                },
                {"Action"},
                "NilObjectException: the probe's button failed"}),
    [](const testing::TestParamInfo<Failure>& row) { return std::string(row.param.name); });

// Quit asked for while no event loop runs (a handler driven by a test, or one that runs before the
// loop starts) must not close the next message box either.
TEST(QuitOutsideTheEventLoop, LeavesTheNextMessageBoxUp)
{
    Quit(0);
    guitest::MessageBoxCloser boxes;
    UnhandledException(std::make_exception_ptr(NilObjectException("after the quit")));
    EXPECT_EQ(boxes.texts.size(), 1);
    RuntimeInit();
}

} // namespace
