// The seam between the toolkit-free model and a toolkit.
//
// Without a backend the model is complete on its own: windows, controls, texts, menus and events live
// in plain objects, and tests drive them directly. A backend (the Qt one in qt/) attaches a peer to each
// window and control as it is made; the model tells the peer what changed, and the peer turns the
// user's actions back into the model's events.
#pragma once

#include "PropertyBlob.h"

#include <exception>
#include <memory>
#include <string>

namespace fw {

class Control;
class Window;

class Peer {
public:
    virtual ~Peer() = default;
    virtual void propertyChanged(Prop) {}
    virtual void backdropChanged() {}
    virtual void menuBarChanged() {}
    // The window's hooks have run: every control exists and has its layout.
    virtual void constructionFinished() {}
    // The program closes the window (the user's own close comes from the peer).
    virtual void close() {}
};

enum class EditCommand { Undo, Cut, Copy, Paste, Clear };

class Backend {
public:
    virtual ~Backend() = default;
    virtual std::unique_ptr<Peer> createWindowPeer(Window& window) = 0;
    virtual std::unique_ptr<Peer> createControlPeer(Control& control, Window& window) = 0;
    virtual void applicationMenuBarChanged() {}
    // Runs the event loop until quit; an exception a handler let out is raised again from here.
    virtual void runEventLoop() = 0;
    virtual void quit() = 0;
    // Hands a URL to the system; tells the user when the system cannot open it.
    virtual void showURL(const std::string& url) = 0;
    virtual void editCommand(EditCommand command) = 0;
    // Tells the user about an exception that nothing caught.
    virtual void reportUnhandledException(const std::string& message) = 0;
};

// The backend in use, or null for the plain model.
Backend* CurrentBackend();
void SetBackend(Backend* backend);

} // namespace fw
