// The whole program from start to exit in one test process: start-up opens the price calculator, the
// user's commands run inside the event loop, and every way out ends with the full shutdown.
#include "GuiTestSupport.h"

#include "calculator/Hauptfenster.h"
#include "framework/Application.h"
#include "framework/FileType.h"
#include "menubar/Menue.h"
#include "shell/Startup.h"
#include "vat/UST.h"

#include <QAction>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

fw::Ref<fw::Window> liveWindow(std::string_view className) { return fw::GetImplicitWindow(className); }

// Chooses a menu item from the menu bar of the window as a user would.
void chooseMenuItem(const fw::Window& window, const char* itemName)
{
    QAction* action = guitest::WidgetOf(window)->findChild<QAction*>(itemName);
    ASSERT_TRUE(action) << itemName;
    action->trigger();
}

// Runs the program; the user's steps run once the event loop is up.
int runProgram(std::function<void()> userSteps)
{
    QTimer::singleShot(0, [&] { userSteps(); });
    return startup::run();
}

void expectFullShutdown()
{
    EXPECT_FALSE(Menue::HasInstance());
    EXPECT_TRUE(fw::LiveWindows().empty());
    EXPECT_TRUE(fw::RegisteredFileTypes().empty());
    EXPECT_FALSE(fw::GetAppObject());
}

class StartupFlow : public testing::Test {
protected:
    void SetUp() override
    {
        fw::SetUnhandledExceptionReporter([this](const std::string& message) { unhandled.push_back(message); });
    }
    void TearDown() override
    {
        fw::SetUnhandledExceptionReporter({});
        QApplication::processEvents();
    }
    std::vector<std::string> unhandled;
};

TEST_F(StartupFlow, StartsWithThePriceCalculatorAloneAndQuitsFromTheFileMenu)
{
    std::vector<std::string> open;
    int status = runProgram([&] {
        for (const fw::Ref<fw::Window>& window : fw::LiveWindows())
            open.push_back(window->classRecord().name());
        chooseMenuItem(*liveWindow("Hauptfenster.Hauptfenster"), "FileQuit");
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(open, std::vector<std::string>{"Hauptfenster.Hauptfenster"});
    EXPECT_TRUE(unhandled.empty());
    expectFullShutdown();
}

TEST_F(StartupFlow, AbbruchQuitsWithStatusZero)
{
    int status = runProgram([&] {
        fw::Ref<fw::Window> main = liveWindow("Hauptfenster.Hauptfenster");
        guitest::Type(*main, "AEKField", "12");
        QTest::mouseClick(guitest::WidgetOf(*main, "CancalButton"), Qt::LeftButton);
    });
    EXPECT_EQ(status, 0);
    expectFullShutdown();
}

TEST_F(StartupFlow, FensterTarivoAfterClosingBuildsANewEmptyWindow)
{
    fw::Ref<fw::Window> first; // kept, so that the new window cannot take its address
    fw::Window* second = nullptr;
    QString aekAfterReopen = "unset";
    int status = runProgram([&] {
        fw::Ref<fw::Window> main = liveWindow("Hauptfenster.Hauptfenster");
        first = main;
        guitest::Type(*main, "AEKField", "12");
        chooseMenuItem(*main, "Fenster16");
        fw::Ref<fw::Window> converter = liveWindow("UST.UST");
        ASSERT_TRUE(converter);
        guitest::WidgetOf(*main)->close();
        main.reset();
        EXPECT_FALSE(liveWindow("Hauptfenster.Hauptfenster"));
        chooseMenuItem(*converter, "FensterTarivo");
        fw::Ref<fw::Window> reopened = liveWindow("Hauptfenster.Hauptfenster");
        ASSERT_TRUE(reopened);
        second = reopened.get();
        aekAfterReopen = guitest::WidgetAs<QLineEdit>(*reopened, "AEKField")->text();
        chooseMenuItem(*reopened, "FileQuit");
    });
    EXPECT_EQ(status, 0);
    EXPECT_NE(first.get(), second);
    EXPECT_TRUE(first->isClosed());
    EXPECT_EQ(aekAfterReopen, "");
    expectFullShutdown();
}

TEST_F(StartupFlow, FensterCommandsReuseAnOpenWindow)
{
    fw::Window* before = nullptr;
    fw::Window* after = nullptr;
    runProgram([&] {
        fw::Ref<fw::Window> main = liveWindow("Hauptfenster.Hauptfenster");
        chooseMenuItem(*main, "Fenster16");
        before = liveWindow("UST.UST").get();
        chooseMenuItem(*main, "Fenster16");
        after = liveWindow("UST.UST").get();
        chooseMenuItem(*main, "FileQuit");
    });
    EXPECT_TRUE(before);
    EXPECT_EQ(before, after);
}

// A member that fails, bound in place of a Fenster command.
class FailingTarget : public fw::Object {
public:
    static constexpr std::string_view kClassName = "FailingTarget";
    static constexpr std::string_view kDisplayName = "FailingTarget";
    static void ctblinit()
    {
        fw::ClassBuilder(std::string(kClassName), &fw::ObjectClassRecord())
            .method("Fail", "%b%", &FailingTarget::Fail)
            .registerClass();
    }
    const fw::ClassRecord& classRecord() const override { return fw::LookupClass<FailingTarget>(); }
    bool Fail() { throw fw::NilObjectException("the test's handler failed"); }
};

TEST_F(StartupFlow, AnExceptionInAHandlerEndsTheLoopAndShutdownStillRunsInFull)
{
    fw::Ref<FailingTarget> target = fw::MakeRef<FailingTarget>();
    int status = runProgram([&] {
        const fw::MemberRecord* fail = target->classRecord().findMember("Fail");
        fw::GetAppObject()->AddMenuHandler("FensterTarivo", fw::RuntimeCreateDelegate(*fail, *target, "(  ) as Boolean"));
        chooseMenuItem(*liveWindow("Hauptfenster.Hauptfenster"), "FensterTarivo");
    });
    EXPECT_EQ(status, 1);
    ASSERT_EQ(unhandled.size(), 1u);
    EXPECT_EQ(unhandled.front(), "NilObjectException: the test's handler failed");
    expectFullShutdown();
}

} // namespace
