#include "Application.h"

#include "Backend.h"
#include "Control.h"
#include "Window.h"

#include <iostream>

namespace fw {

namespace {

struct RuntimeState {
    Ref<Application> app;
    int exitStatus = 0;
    bool quitRequested = false;
    std::function<void(const std::string&)> unhandledReporter;
};

// Never destroyed, like the window list: the application object and what it holds are released by
// RuntimeExit, and after an exit() from inside the toolkit nothing of them is touched.
RuntimeState& state()
{
    static auto* runtime = new RuntimeState();
    return *runtime;
}

Backend*& backendSlot()
{
    static Backend* backend = nullptr;
    return backend;
}

} // namespace

Backend* CurrentBackend() { return backendSlot(); }
void SetBackend(Backend* backend) { backendSlot() = backend; }

const std::vector<std::string>& Application::Operations()
{
    static const std::vector<std::string> operations{
        "NewDocument", "OpenDocument", "DoEvents", "_AddMenuHandler", "_AddPollableObject", "_RemovePollableObject",
        "AddTrayItem", "RemoveTrayItem", "YieldToNextThread", "SleepCurrentThread", "_DoSingleEvent",
        "_EnableMenuItems", "_CallOpen", "_HandleMenuCommand", "_LoadPictureFromBundle", "_LoadBundleSound",
        "__DependencyList"};
    return operations;
}

const std::vector<std::string>& Application::Events()
{
    static const std::vector<std::string> events{"Open", "Close", "CancelClose", "EnableMenuItems", "Activate",
                                                 "Deactivate", "HandleAppleEvent", "UnhandledException",
                                                 "NewDocument", "OpenDocument"};
    return events;
}

void Application::describe(ClassBuilder& builder)
{
    for (const std::string& operation : Operations())
        builder.slot(operation);
    builder.events(Events());
}

void Application::setMenuBar(Ref<MenuBar> bar)
{
    menuBar_ = std::move(bar);
    if (Backend* backend = CurrentBackend())
        backend->applicationMenuBarChanged();
}

void Application::AddMenuHandler(std::string itemName, Ref<Delegate> handler)
{
    if (!handler)
        RaiseNilObjectException("no handler to bind to menu item " + itemName);
    menuHandlers_.insert_or_assign(std::move(itemName), std::move(handler));
}

bool Application::hasMenuHandler(std::string_view itemName) const
{
    return menuHandlers_.find(itemName) != menuHandlers_.end();
}

void Application::RemoveMenuHandlersFor(const Object& target)
{
    std::erase_if(menuHandlers_, [&](const auto& entry) { return &entry.second->target() == &target; });
}

bool Application::HandleStandardItem(const MenuItem& item)
{
    if (item.isQuitItem()) {
        Quit(0);
        return true;
    }
    static const std::pair<std::string_view, EditCommand> kEditItems[] = {
        {"EditUndo", EditCommand::Undo}, {"EditCut", EditCommand::Cut},     {"EditCopy", EditCommand::Copy},
        {"EditPaste", EditCommand::Paste}, {"EditClear", EditCommand::Clear}};
    for (const auto& [name, command] : kEditItems)
        if (item.name() == name) {
            if (Backend* backend = CurrentBackend())
                backend->editCommand(command);
            return true;
        }
    return false;
}

bool Application::HandleMenuCommand(const MenuItem& item)
{
    if (HandleStandardItem(item))
        return true;
    auto found = menuHandlers_.find(item.name());
    if (found == menuHandlers_.end())
        return false;
    Ref<Delegate> handler = found->second;
    Ref<Application> self = RefTo(*this);
    handler->invoke();
    return true;
}

void ChooseMenuItem(const MenuItem& item)
{
    if (Ref<Application> app = GetAppObject())
        app->HandleMenuCommand(item);
    else
        Application::HandleStandardItem(item);
}

void RuntimeInit()
{
    state().exitStatus = 0;
    state().quitRequested = false;
    LookupClass<Application>();
    LookupClass<Window>();
    LookupClass<Control>();
    LookupClass<EditField>();
    LookupClass<StaticText>();
    LookupClass<PushButton>();
    LookupClass<RadioButton>();
    LookupClass<LittleArrows>();
    LookupClass<Canvas>();
    LookupClass<MenuItem>();
    LookupClass<QuitMenuItem>();
    LookupClass<MenuBar>();
}

int RuntimeExit()
{
    state().app.reset();
    return state().exitStatus;
}

void RuntimeRegisterAppObject(Ref<Application> app) { state().app = std::move(app); }
Ref<Application> GetAppObject() { return state().app; }

void RuntimeRun()
{
    if (state().quitRequested)
        return;
    if (Backend* backend = CurrentBackend())
        backend->runEventLoop();
}

void Quit(int exitStatus)
{
    state().exitStatus = exitStatus;
    state().quitRequested = true;
    if (Backend* backend = CurrentBackend())
        backend->quit();
}

void ShowURL(std::string_view url)
{
    if (Backend* backend = CurrentBackend())
        backend->showURL(std::string(url));
}

std::string DescribeException(std::exception_ptr exception)
{
    try {
        if (exception)
            std::rethrow_exception(exception);
        return "an unknown error";
    } catch (const RuntimeException& e) {
        return std::string(e.className()) + ": " + e.what();
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "an unknown error";
    }
}

void UnhandledException(std::exception_ptr exception)
{
    // The program ends after an error nothing caught; its exit status says so.
    state().exitStatus = 1;
    std::string message = DescribeException(exception);
    if (state().unhandledReporter) {
        state().unhandledReporter(message);
        return;
    }
    std::cerr << "Unhandled exception: " << message << '\n';
    if (Backend* backend = CurrentBackend())
        backend->reportUnhandledException(message);
}

void SetUnhandledExceptionReporter(std::function<void(const std::string&)> reporter)
{
    state().unhandledReporter = std::move(reporter);
}

void ReleaseFrameworkLists() { ReleaseLiveWindows(); }

} // namespace fw
