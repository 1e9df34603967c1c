// The program's entry: Qt and our backend, then the program's start-up from registration to exit.
#include "Startup.h"

#include "framework/Application.h"
#include "framework/NumberLocale.h"
#include "framework/qt/Display.h"
#include "framework/qt/QtBackend.h"

#include <exception>
#include <iostream>
#include <memory>

int main(int argc, char** argv)
{
    std::unique_ptr<QApplication> qtApplication = fw::qt::OpenDisplay(argc, argv, "tarivo");
    fw::qt::QtBackend backend;
    fw::SetBackend(&backend);
    fw::SetResourceForkProvider(&fw::qt::ApplicationResources);
    fw::SetNumberLocale(fw::NumberLocale::fromEnvironment());
    int status = 1;
    try {
        status = startup::run();
    } catch (...) {
        // An exception from outside start-up's own handler (registration, or the unhandled-exception
        // report itself) ends the program as any unhandled exception does: one line, the windows
        // released while Qt still stands, status 1.
        std::cerr << "tarivo: " << fw::DescribeException(std::current_exception()) << '\n';
        startup::finalize();
        fw::RuntimeExit();
    }
    fw::SetBackend(nullptr);
    return status;
}
