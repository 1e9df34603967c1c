// Windows: a window owns its controls and finds them by name, carries its layout properties and its
// menu bar, and is built by its class's three hooks. Each window class has at most one live window,
// the shared instance, found by class name while it is open and built anew after it was closed.
#pragma once

#include "ClassRecord.h"
#include "Control.h"
#include "PropertyHolder.h"
#include "Registered.h"

#include <string>
#include <string_view>
#include <vector>

namespace fw {

class MenuBar;

// Windows are made only as instances of the program's window classes.
class Window : public Registered<Window, PropertyHolder, "Window", MadeBy::SubclassesOnly> {
public:
    static void describe(ClassBuilder& builder);

    // The operations of every window class, in slot order.
    static const std::vector<std::string>& Operations();
    // The events of every window class, in order; the first three are the hooks that build a window.
    static const std::vector<std::string>& Events();

    Window();
    ~Window() override;

    // The constructor operation: makes the window's peer, runs the hooks Layout, CreateControls and
    // AddMenuHandlers, and makes the window the live instance of its class. When a hook fails the
    // window is closed again and the exception passes on.
    void Construct();

    // Creates a control of that class in the window (it has no name yet); nil for a non-control class.
    Ref<Control> New(const ClassRecord& controlClass);
    // Adds a created control under its name.
    void AddControl(std::string name, Ref<Control> control);
    const std::vector<Ref<Control>>& controls() const { return controls_; }

    Ref<MenuBar> menuBar() const;
    void setMenuBar(Ref<MenuBar> bar);
    bool visible() const { return boolProperty(Prop::Visible); }
    void setVisible(bool visible) { setProperty(Prop::Visible, visible); }
    const std::string& title() const { return stringProperty(Prop::Title); }

    // The program's close; the user's close arrives through closedByUser.
    void Close();
    void closedByUser();
    bool isClosed() const { return closed_; }

protected:
    // The window hooks; a class implements them to build its window.
    virtual void Layout() {}
    virtual void CreateControls() {}
    virtual void AddMenuHandlers(Window&) {}

private:
    void forget();
    std::vector<Ref<Control>> controls_;
    Ref<MenuBar> menuBar_;
    bool closed_ = false;
};

// The control of that name, or nil.
Ref<Control> RuntimeWindowControlByName(const Window& window, std::string_view name);

// The control of that name as its class: NilObjectException naming the control when there is none,
// IllegalCastException naming both classes when it is of another class.
template <class C>
Ref<C> ControlNamed(const Window& window, std::string_view name)
{
    Ref<Control> control = RuntimeWindowControlByName(window, name);
    if (!control)
        throw NilObjectException("the window has no control named " + std::string(name));
    C* typed = dynamic_cast<C*>(control.get());
    if (!typed)
        throw IllegalCastException(std::string(name) + " is a " + control->classRecord().name() + ", not a " +
                                   std::string(C::kClassName));
    return RefTo(*typed);
}

// Inside a control's handler: the window that owns the control.
Ref<Window> RuntimeSwapSelfAndMe(const Control& me);

// The live window of that class, or nil.
Ref<Window> GetImplicitWindow(std::string_view className);
// Every live window, oldest first.
std::vector<Ref<Window>> LiveWindows();
// Drops every live window (shutdown).
void ReleaseLiveWindows();

// The shared instance of a window class: the live one, or a new one built now. NilObjectException
// when the class makes no object; IllegalCastException naming the class when what it makes, or what
// is live under its name, is not a window of that class (checked before the window is used).
template <class W>
Ref<W> SharedWindow()
{
    const ClassRecord& record = LookupClass<W>();
    Ref<Object> found = GetImplicitWindow(W::kClassName);
    const bool made = !found;
    if (made) {
        found = RuntimeNewObject(record);
        if (!found)
            RaiseNilObjectException("no window of class " + std::string(W::kClassName) + " could be made");
    }
    W* window = dynamic_cast<W*>(RuntimeCheckCast(found, record).get());
    if (!window)
        throw IllegalCastException("the object made as " + std::string(W::kClassName) +
                                   " is not a window of that class");
    if (made)
        window->Construct();
    return RefTo(*window);
}

} // namespace fw
