// The application object and the runtime around it: start and end, the event loop, quitting, menu
// commands, URLs, and what happens to an exception that nothing caught.
//
// framework/ is the program's GUI framework as a model without any toolkit: objects and class records,
// texts and numbers, layouts, windows, controls, menus and this runtime. It uses the standard library
// only; everything else stands on it. A backend (framework/qt/) shows the model on a real desktop.
#pragma once

#include "ClassRecord.h"
#include "Control.h"
#include "Menu.h"
#include "Registered.h"

#include <exception>
#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace fw {

class Application : public Registered<Application, Object, "Application", MadeBy::SubclassesOnly> {
public:
    static void describe(ClassBuilder& builder);
    static const std::vector<std::string>& Operations();
    static const std::vector<std::string>& Events();

    Ref<MenuBar> menuBar() const { return menuBar_; }
    void setMenuBar(Ref<MenuBar> bar);

    // Binds a handler to the menu items of that Name.
    void AddMenuHandler(std::string itemName, Ref<Delegate> handler);
    bool hasMenuHandler(std::string_view itemName) const;
    // Drops the handlers that would run on that object (a window that goes away).
    void RemoveMenuHandlersFor(const Object& target);
    // What choosing the item does: the quit item quits, the standard edit items edit the focused field,
    // an item with a bound handler runs it. False when nothing handled the item.
    bool HandleMenuCommand(const MenuItem& item);
    // The framework's own items alone: the quit item and the standard edit items.
    static bool HandleStandardItem(const MenuItem& item);

private:
    Ref<MenuBar> menuBar_;
    std::map<std::string, Ref<Delegate>, std::less<>> menuHandlers_;
};

// What choosing a menu item does, with or without an application object.
void ChooseMenuItem(const MenuItem& item);

// Starts the runtime: registers the framework's classes.
void RuntimeInit();
// Ends the runtime and gives the exit status: the status passed to Quit (0 after a normal quit), 1
// after an exception that nothing caught.
int RuntimeExit();

void RuntimeRegisterAppObject(Ref<Application> app);
Ref<Application> GetAppObject();

// Runs the event loop until the application quits; an exception that a handler let out passes on.
void RuntimeRun();
// Ends the application with that exit status.
void Quit(int exitStatus = 0);
// Hands a URL to the system; the user is told when the system cannot open it.
void ShowURL(std::string_view url);

// Tells the user of an exception that nothing caught, and makes the exit status 1. Tests can take the
// report instead.
void UnhandledException(std::exception_ptr exception);
void SetUnhandledExceptionReporter(std::function<void(const std::string&)> reporter);
std::string DescribeException(std::exception_ptr exception);

// Releases the live windows the framework keeps across the run, at shutdown; class records stay.
void ReleaseFrameworkLists();

} // namespace fw
