// The GUI tests' entry: the offscreen platform unless another is set, a stable look for pictures,
// and our Qt backend installed for the whole run. Classes register on first use.
#include "GuiTestSupport.h"

#include "framework/Application.h"

#include <QApplication>
#include <QStyleFactory>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    fw::qt::QuietOffscreenPlatformNotes();
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QApplication::setCursorFlashTime(0);
    // Closing the last window must not end a test's event loop.
    QApplication::setQuitOnLastWindowClosed(false);
    fw::qt::QtBackend backend;
    guitest::SetBackend(&backend);
    fw::SetBackend(&backend);
    fw::SetResourceForkProvider(&fw::qt::ApplicationResources);
    fw::RuntimeInit();
    testing::InitGoogleTest(&argc, argv);
    int status = RUN_ALL_TESTS();
    fw::ReleaseLiveWindows();
    QApplication::processEvents();
    fw::SetBackend(nullptr);
    return status;
}
