#include "Window.h"

#include "Application.h"
#include "Menu.h"

#include <algorithm>

namespace fw {

namespace {

// Never destroyed: shutdown empties the list while the toolkit still stands. When the toolkit ends
// the process itself (exit() after the display went away), its own statics are already gone by the
// time ours would be destroyed, and a window's peer must not touch them; so the windows stay as they
// are until the process is gone.
std::vector<Ref<Window>>& liveWindows()
{
    static auto* windows = new std::vector<Ref<Window>>();
    return *windows;
}

} // namespace

const std::vector<std::string>& Window::Operations()
{
    static const std::vector<std::string> operations{
        "Show", "ShowWithin", "ShowModalWithin", "Hide", "Close", "Refresh", "RefreshRect", "ShowModal",
        "NewDragItem", "AcceptTextDrop", "AcceptPictureDrop", "AcceptFileDrop", "AcceptMacDataDrop",
        "AcceptRawDataDrop", "Control", "SetFocus", "DrawInto", "_DrawBackground", "UpdateNow", "_AddControl",
        "_AddMenuHandler", "Window", "Operator_Convert", "__New", "_Move", "Maximize", "Minimize", "Restore",
        "_Update", "_CallMoved", "_EnableMenuItems", "_CallActivated", "_CallDeactivated", "_HandleMenuCommand",
        "_UnifiedClose", "_CallMouseDown", "_CallResized", "_CallResizing", "_RemoveControl", "_MouseEnter",
        "_MouseExit", "_MouseMove", "_Paint", "_MouseWheel", "_KeyDown", "__DependencyList"};
    return operations;
}

const std::vector<std::string>& Window::Events()
{
    static const std::vector<std::string> events{
        "Layout", "CreateControls", "AddMenuHandlers", "SetupBindings", "Open", "Close", "CancelClose", "KeyDown",
        "MouseMove", "MouseEnter", "MouseExit", "Paint", "MouseDown", "MouseDrag", "MouseUp", "EnableMenuItems",
        "Resized", "Resizing", "Moved", "DropObject", "Activate", "Deactivate", "Minimize", "Maximize", "Restore",
        "MouseWheel", "ConstructContextualMenu", "ContextualMenuAction", "DragEnter", "DragExit", "DragOver"};
    return events;
}

void Window::describe(ClassBuilder& builder)
{
    for (const std::string& operation : Operations())
        builder.slot(operation);
    builder.events(Events());
}

Window::Window()
    : Registered({{Prop::Placement, 0}, {Prop::Width, 300}, {Prop::Height, 300}, {Prop::MinWidth, 64},
                      {Prop::MinHeight, 64}, {Prop::MaxWidth, 32000}, {Prop::MaxHeight, 32000}, {Prop::Frame, 0},
                      {Prop::Composite, false}, {Prop::HasBackColor, false},
                      {Prop::BackColor, Color{255, 255, 255}}, {Prop::Title, std::string()},
                      {Prop::Visible, true}, {Prop::FullScreen, false}, {Prop::MenuBarVisible, true},
                      {Prop::CloseButton, true}, {Prop::Resizeable, false}, {Prop::LiveResize, false},
                      {Prop::MaximizeButton, false}, {Prop::MinimizeButton, true},
                      {Prop::BalloonHelp, std::string()}, {Prop::MacProcID, 0}})
{
}

Window::~Window()
{
    // The peer goes first: it may still refer to the controls.
    attachPeer(nullptr);
    for (const Ref<Control>& control : controls_)
        control->window_ = nullptr;
}

void Window::Construct()
{
    Ref<Window> self = RefTo(*this);
    if (Backend* backend = CurrentBackend())
        attachPeer(backend->createWindowPeer(*this));
    try {
        Layout();
        CreateControls();
        AddMenuHandlers(*this);
    } catch (...) {
        Close();
        throw;
    }
    liveWindows().push_back(self);
    if (peer())
        peer()->constructionFinished();
}

Ref<Control> Window::New(const ClassRecord& controlClass)
{
    Ref<Object> made = RuntimeNewObject(controlClass);
    auto* control = dynamic_cast<Control*>(made.get());
    if (!control)
        return nullptr;
    control->window_ = this;
    return RefTo(*control);
}

void Window::AddControl(std::string name, Ref<Control> control)
{
    if (!control)
        RaiseNilObjectException("no control to add as " + name);
    control->window_ = this;
    control->name_ = std::move(name);
    controls_.push_back(control);
    if (Backend* backend = CurrentBackend(); backend && peer())
        control->attachPeer(backend->createControlPeer(*control, *this));
}

Ref<MenuBar> Window::menuBar() const { return menuBar_; }

void Window::setMenuBar(Ref<MenuBar> bar)
{
    menuBar_ = std::move(bar);
    if (peer())
        peer()->menuBarChanged();
}

void Window::Close()
{
    if (closed_)
        return;
    if (peer())
        peer()->close();
    forget();
}

void Window::closedByUser() { forget(); }

void Window::forget()
{
    Ref<Window> self = RefTo(*this);
    closed_ = true;
    // Menu handlers keep no reference to their window; none may outlive it.
    if (Ref<Application> app = GetAppObject())
        app->RemoveMenuHandlersFor(*this);
    auto& windows = liveWindows();
    windows.erase(std::remove(windows.begin(), windows.end(), self), windows.end());
}

Ref<Control> RuntimeWindowControlByName(const Window& window, std::string_view name)
{
    for (const Ref<Control>& control : window.controls())
        if (control->name() == name)
            return control;
    return nullptr;
}

Ref<Window> GetImplicitWindow(std::string_view className)
{
    for (const Ref<Window>& window : liveWindows())
        if (window->classRecord().name() == className)
            return window;
    return nullptr;
}

std::vector<Ref<Window>> LiveWindows() { return liveWindows(); }

void ReleaseLiveWindows()
{
    std::vector<Ref<Window>> windows;
    windows.swap(liveWindows());
    for (const Ref<Window>& window : windows)
        window->Close();
}

} // namespace fw
