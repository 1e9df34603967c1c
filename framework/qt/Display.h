// Opening the display: the QApplication the backend runs on, or one clear line and exit status 2 when
// there is no display to show the windows on.
#pragma once

#include <QApplication>

#include <memory>
#include <string>

namespace fw::qt {

// The environment's display settings that are set, as "NAME=value" separated by ", "; empty when none.
std::string DisplaySettings();

// Makes the application's QApplication. When no display can be opened, writes one line naming the
// display to standard error and ends the process with status 2: where X11 or Wayland show the windows
// and no display variable is set, before Qt starts; and wherever Qt cannot open the display it was
// given (no server there, an unknown platform), in place of Qt's own abort.
std::unique_ptr<QApplication> OpenDisplay(int& argc, char** argv, const char* programName);

} // namespace fw::qt
