// How the program ends when its display fails it: Qt ending the process from inside its event loop
// (as it does when the X server goes away), and a display that cannot be opened at all. Each ends with
// its exit status and one line on standard error, never with a crash.
#include "GuiTestSupport.h"

#include "framework/Application.h"
#include "shell/Startup.h"
#include "about/Welcome.h"
#include "vat/UST.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QtEndian>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::Not;

// What a sanitizer or a crash leaves on standard error.
const auto kNoFaultReport = AllOf(Not(HasSubstr("Sanitizer")), Not(HasSubstr("runtime error")));

// Under the sanitizers the child processes check for leaks at their exit; they need the project's
// list of leaks that belong to the libraries below Qt.
void passLeakSuppressionsToChildren()
{
    const char* options = std::getenv("LSAN_OPTIONS");
    std::string merged = options ? options : "";
    if (merged.find("suppressions=") != std::string::npos)
        return;
    merged += (merged.empty() ? "" : ":") + std::string("suppressions=" TARIVO_LSAN_SUPPRESSIONS);
    setenv("LSAN_OPTIONS", merged.c_str(), 1);
}

// The test process's environment without any display setting.
QProcessEnvironment environmentWithoutDisplay()
{
    passLeakSuppressionsToChildren();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "DISPLAY"})
        environment.remove(variable);
    return environment;
}

struct Ending {
    bool crashed = true;
    int status = -1;
    std::string errors;
};

// Runs the program to its end; `meanwhile` runs once it has started.
Ending runProgram(const QProcessEnvironment& environment, const std::function<void()>& meanwhile = {})
{
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(TARIVO_EXECUTABLE, {});
    if (!program.waitForStarted(10000))
        return {};
    if (meanwhile)
        meanwhile();
    if (!program.waitForFinished(60000)) {
        program.kill();
        program.waitForFinished();
        return {};
    }
    return {program.exitStatus() == QProcess::CrashExit, program.exitCode(),
            program.readAllStandardError().toStdString()};
}

// Qt ends the process with exit(1) from inside its event loop when the X11 connection breaks. The
// program's windows, widgets, pictures and menu bar are all up at that moment.
TEST(FailureExitDeathTest, AnExitFromInsideQtWithEveryWindowOpenEndsWithThatStatusAndNoCrash)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    passLeakSuppressionsToChildren();
    EXPECT_EXIT(
        {
            QTimer::singleShot(0, [] {
                fw::SharedWindow<UST>();
                fw::SharedWindow<Welcome>();
                for (const fw::Ref<fw::Window>& window : fw::LiveWindows())
                    guitest::WidgetOf(*window)->grab();
                std::exit(1);
            });
            startup::run();
        },
        testing::ExitedWithCode(1), kNoFaultReport);
}

// How many pixels of an Xvfb screen file (XWD: a header, a colour map, then 32-bit pixels) are lit.
int litPixels(const QString& screenFile)
{
    QFile file(screenFile);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray screen = file.readAll();
    auto field = [&](int index) { return qFromBigEndian<quint32>(screen.constData() + 4 * index); };
    if (screen.size() < 100)
        return 0;
    int lit = 0;
    for (qsizetype at = field(0) + field(19) * 12; at + 4 <= screen.size(); at += 4)
        if (qFromUnaligned<quint32>(screen.constData() + at) != 0)
            ++lit;
    return lit;
}

TEST(LostDisplay, TheProgramEndsWithStatusOneAndQtsLineWhenItsXServerDies)
{
    const QString xvfb = QStandardPaths::findExecutable("Xvfb");
    if (xvfb.isEmpty())
        GTEST_SKIP() << "Xvfb is not installed";
    QTemporaryDir screens;
    QProcess server;
    // -displayfd picks a free display and writes its number; -br keeps the screen black until the
    // program's window is drawn.
    server.start(xvfb, {"-displayfd", "1", "-nolisten", "tcp", "-br", "-screen", "0", "800x600x24", "-fbdir",
                        screens.path()});
    ASSERT_TRUE(server.waitForReadyRead(10000)) << "Xvfb did not start";
    const QString display = ":" + QString::fromLatin1(server.readLine()).trimmed();

    QProcessEnvironment environment = environmentWithoutDisplay();
    environment.insert("DISPLAY", display);
    bool drawn = false;
    Ending ending = runProgram(environment, [&] {
        // The price calculator drawn on the screen: the program is up and in its event loop.
        QDeadlineTimer deadline(30000);
        while (!(drawn = litPixels(screens.filePath("Xvfb_screen0")) > 100000) && !deadline.hasExpired())
            QThread::msleep(50);
        server.kill();
        server.waitForFinished();
    });
    ASSERT_TRUE(drawn) << "the program's window never appeared";
    EXPECT_FALSE(ending.crashed) << ending.errors;
    EXPECT_EQ(ending.status, 1) << ending.errors;
    EXPECT_THAT(ending.errors, HasSubstr("The X11 connection broke"));
    EXPECT_THAT(ending.errors, kNoFaultReport);
}

struct UnusableDisplay {
    const char* name;
    std::vector<std::pair<const char*, const char*>> settings;
    const char* named; // how the line names the display
};

void PrintTo(const UnusableDisplay& row, std::ostream* out) { *out << row.name; }

class UnusableDisplays : public testing::TestWithParam<UnusableDisplay> {};

TEST_P(UnusableDisplays, EndTheProgramWithStatusTwoAndOneLineNamingTheDisplay)
{
    QProcessEnvironment environment = environmentWithoutDisplay();
    for (const auto& [variable, value] : GetParam().settings)
        environment.insert(variable, value);
    Ending ending = runProgram(environment);
    EXPECT_FALSE(ending.crashed) << ending.errors;
    EXPECT_EQ(ending.status, 2) << ending.errors;
    ASSERT_FALSE(ending.errors.empty());
    EXPECT_EQ(ending.errors.find('\n'), ending.errors.size() - 1) << ending.errors;
    EXPECT_THAT(ending.errors, HasSubstr(GetParam().named));
}

INSTANTIATE_TEST_SUITE_P(
    , UnusableDisplays,
    testing::Values(UnusableDisplay{"NoXServerThere", {{"DISPLAY", ":77"}}, "DISPLAY=:77"},
                    UnusableDisplay{"UnknownPlatform", {{"QT_QPA_PLATFORM", "nosuchplatform"}},
                                    "QT_QPA_PLATFORM=nosuchplatform"},
                    UnusableDisplay{"NoWaylandCompositorThere", {{"WAYLAND_DISPLAY", "wayland-77"}},
                                    "WAYLAND_DISPLAY=wayland-77"},
                    UnusableDisplay{"NoDisplaySet", {}, "DISPLAY is not set"}),
    [](const testing::TestParamInfo<UnusableDisplay>& row) { return std::string(row.param.name); });

} // namespace
