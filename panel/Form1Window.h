// Start-up of the real panel window, for the process entry.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace Form1 {

// Creates Form1 and its controls, starts Timer1, shows the window with showCommand and gives
// Command1 the focus. Reports the error and ends the process if the window cannot be made.
HWND Load(HINSTANCE instance, int showCommand);

} // namespace Form1
