// The framework on Qt 6 Widgets: a widget for each window and control of the model, the model's
// changes shown in the widgets, and the user's actions turned into the model's events. This layer is
// the only code that includes Qt; it uses framework/, and only main, the GUI tests and the start-up
// benchmark use it.
//
// Every model event raised from a widget goes through dispatch(), the one place where an exception a
// handler lets out is caught: it never crosses Qt's event loop; the loop ends and runEventLoop raises
// the exception again for start-up's handler. From that exception on no handler runs, through the
// end of the loop and the shutdown after it.
#pragma once

#include "framework/Backend.h"
#include "framework/Resources.h"

#include <QObject>

#include <exception>
#include <functional>
#include <vector>

class QWidget;

namespace fw::qt {

class WindowWidget;

class QtBackend final : public QObject, public Backend {
    Q_OBJECT
public:
    QtBackend();
    ~QtBackend() override;

    std::unique_ptr<Peer> createWindowPeer(Window& window) override;
    std::unique_ptr<Peer> createControlPeer(Control& control, Window& window) override;
    void applicationMenuBarChanged() override;
    void runEventLoop() override;
    void quit() override;
    void showURL(const std::string& url) override;
    void editCommand(EditCommand command) override;
    void reportUnhandledException(const std::string& message) override;

    // Runs a model event; an exception it lets out is kept and ends the event loop, and no event runs
    // after it until the next run of the event loop.
    void dispatch(const std::function<void()>& raise);
    // The exception a handler let out since the last call, if any; events run again after it (for
    // tests that drive widgets without running the event loop).
    std::exception_ptr takePendingException();

    // The widget that shows a window or control, or null.
    static QWidget* widgetOf(const Window& window);
    static QWidget* widgetOf(const Control& control);

    void windowWidgetCreated(WindowWidget* widget);
    void windowWidgetDestroyed(WindowWidget* widget);

private:
    std::exception_ptr pending_;
    bool handlersStopped_ = false;
    bool loopRunning_ = false;
    std::vector<WindowWidget*> windows_;
};

// Keeps the offscreen platform's notes on what it cannot do (raise a window, size hints) out of the
// output of tests and benchmarks.
void QuietOffscreenPlatformNotes();

// The application's resources as Qt resources: picture n is ":/pictures/n.png".
Ref<ResourceFork> ApplicationResources();

} // namespace fw::qt
