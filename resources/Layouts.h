// The layouts of the program's three windows: each window's own layout, and its controls in creation
// order with their layouts. Written from readable rows; the bytes are made once, on first use.
#pragma once

#include "framework/ControlBlueprint.h"

#include <string>
#include <vector>

namespace layouts {

const std::string& HauptfensterWindow();
const std::vector<fw::ControlBlueprint>& HauptfensterControls();

const std::string& USTWindow();
const std::vector<fw::ControlBlueprint>& USTControls();

const std::string& WelcomeWindow();
const std::vector<fw::ControlBlueprint>& WelcomeControls();

} // namespace layouts
