// The layout bytes of each kind of window and control, written from a row.
//
// Every layout of a kind holds every entry of its kind, in the kind's fixed order; the values that all
// layouts of a kind share are written here, so a row lists only what differs. Controls normally carry
// TabIndex right after TabPanelIndex; the VAT converter's controls carry it last, after their class's
// entries (TabIndexPlace::Last).
#pragma once

#include "ControlRows.h"

#include <cstdint>
#include <string>

namespace fw {

enum class TabIndexPlace { AfterTabPanelIndex, Last };

std::string WindowLayout(const WindowRow& row);
// The control's layout, with its place in the window's keyboard order.
std::string ControlLayout(const ControlRow& row, std::int32_t tabIndex = 0,
                          TabIndexPlace tabIndexPlace = TabIndexPlace::AfterTabPanelIndex);

} // namespace fw
