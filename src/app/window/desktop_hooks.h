#pragma once
// The drawings the main window shows: the cross-section window and the input
// display.

#include "app/window/main_window.h"

namespace vendrix {

DesktopHooks standardDesktopHooks();

} // namespace vendrix
