// The program's entry: Qt and our backend, then the program's start-up from registration to exit.
#include "Startup.h"

#include "framework/Application.h"
#include "framework/NumberLocale.h"
#include "framework/qt/QtBackend.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

bool hasDisplay()
{
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        if (const char* value = std::getenv(variable); value && *value)
            return true;
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (!hasDisplay()) {
        std::fputs("tarivo: no display found (DISPLAY is not set); start it from a desktop session.\n", stderr);
        return 2;
    }
    QApplication qtApplication(argc, argv);
    fw::qt::QtBackend backend;
    fw::SetBackend(&backend);
    fw::SetResourceForkProvider(&fw::qt::ApplicationResources);
    fw::SetNumberLocale(fw::NumberLocale::fromEnvironment());
    int status = startup::run();
    fw::SetBackend(nullptr);
    return status;
}
