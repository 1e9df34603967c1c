// Running the whole program inside a GUI test: start-up, the user's steps inside the event loop, and
// the way the program ends (its exit status and whether shutdown released everything).
#pragma once

#include "GuiTestSupport.h"

#include "framework/Application.h"
#include "framework/FileType.h"
#include "shell/Startup.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace guitest {

// The exit status when the program was still running after the user's steps and the test ended it.
inline constexpr int kEndedByTheTest = 98;

struct ProgramResult {
    int status = -1;
    std::vector<std::string> unhandled;
    // The application's menu bar as it was during the run, kept past the shutdown.
    fw::Ref<fw::MenuBar> menuBar;
};

// Runs the program from start to exit; the user's steps run once the event loop is up. Steps that
// quit end the program with their status; otherwise the test ends it shortly after them with
// kEndedByTheTest, so a quit that should not have happened shows as well as one that should have.
inline ProgramResult RunProgram(const std::function<void()>& userSteps)
{
    ProgramResult result;
    fw::SetUnhandledExceptionReporter([&](const std::string& message) { result.unhandled.push_back(message); });
    QTimer end;
    end.setSingleShot(true);
    QObject::connect(&end, &QTimer::timeout, [] { fw::Quit(kEndedByTheTest); });
    QTimer start;
    start.setSingleShot(true);
    QObject::connect(&start, &QTimer::timeout, [&] {
        if (fw::Ref<fw::Application> app = fw::GetAppObject())
            result.menuBar = app->menuBar();
        userSteps();
        end.start(20);
    });
    start.start(0);
    result.status = startup::run();
    fw::SetUnhandledExceptionReporter({});
    QApplication::processEvents();
    return result;
}

// Everything the run kept is released: windows, file type, application object and menu bar.
inline void ExpectFullShutdown(const ProgramResult& result)
{
    EXPECT_TRUE(result.unhandled.empty()) << result.unhandled.front();
    EXPECT_TRUE(fw::LiveWindows().empty());
    EXPECT_TRUE(fw::RegisteredFileTypes().empty());
    EXPECT_FALSE(fw::GetAppObject());
    ASSERT_TRUE(result.menuBar);
    EXPECT_EQ(result.menuBar->referenceCount(), 1) << "only the test still holds the menu bar";
}

inline fw::Ref<fw::Window> LiveWindow(std::string_view className) { return fw::GetImplicitWindow(className); }

inline QMainWindow* MainWidget(const fw::Window& window) { return qobject_cast<QMainWindow*>(WidgetOf(window)); }

// Chooses the menu item of that name from the window's menu bar as a user does: a click on the menu's
// title, then a click on the item in the menu that opens.
inline void ChooseFromMenuBar(const fw::Window& window, const char* itemName)
{
    QMainWindow* main = MainWidget(window);
    ASSERT_TRUE(main);
    QMenuBar* bar = main->menuBar();
    for (QAction* title : bar->actions()) {
        QMenu* menu = title->menu();
        if (!menu)
            continue;
        for (QAction* item : menu->actions()) {
            if (item->objectName() != QLatin1String(itemName))
                continue;
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(title).center());
            ASSERT_TRUE(QTest::qWaitForWindowExposed(menu)) << itemName;
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
            QApplication::processEvents();
            return;
        }
    }
    FAIL() << "no menu item " << itemName;
}

} // namespace guitest
