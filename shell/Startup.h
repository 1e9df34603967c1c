// The program's life from start to exit: registration of the classes, set-up of the application with
// its menu bar and Fenster commands, the default window, the event loop, and the releases at shutdown.
// shell/ stands on top of every other layer (the windows, the menu bar, the resources, the framework)
// and holds the application object, the file type and main; nothing below includes it.
#pragma once

#include <string_view>
#include <vector>

namespace startup {

// Registers the framework's classes, then the program's own.
void initialize();
// The set-up steps and the event loop, inside one exception handler: an exception that escapes any of
// them goes to the framework's unhandled-exception handling, and the function returns normally.
void Main();
// Releases the objects kept for the whole run, in the order of FinalizeSteps; releasing what is not
// there does nothing.
void finalize();
struct FinalizeStep {
    std::string_view what;
    void (*release)();
};
const std::vector<FinalizeStep>& FinalizeSteps();
// The whole process: start, initialize, Main, finalize, and the framework's end result.
int run();

// The steps of Main, each callable on its own.
void InitFileTypes();
void NewAppInstance();
void ApplicationAddMenuHandlers();
void MakeDefaultView();
// Main runs them from this table, in its order, then the event loop. A test can put a step that fails
// in the place of one of them and see start-up end there while shutdown still runs.
struct MainStep {
    std::string_view what;
    void (*run)();
};
std::vector<MainStep>& MainSteps();

} // namespace startup
