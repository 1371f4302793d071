// The only door to other programs' windows and to the keyboard: the six user32 functions the
// system needs, the code-page conversion that feeds FindWindowA, and the platform's report of a
// fatal failure. WindowSystemWin32.cpp is linked into the executable; host tests link a double
// with the same symbols instead.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace WindowSystem {

// A window handle as the window system issues it. User handles are 32-bit values on every
// Windows (64-bit Windows sign-extends them), so this type is exact on both architectures.
using WindowHandle = std::int32_t;

using EnumWindowsProc = bool (*)(WindowHandle window, std::int32_t parameter);

constexpr int SW_HIDE_COMMAND = 0;
constexpr int SW_SHOW_COMMAND = 5;

// Converts UTF-16 text to the system's ANSI code page without best-fit mapping, into ansi as a
// zero-terminated string. Returns false, leaving ansi unspecified, when any character has no
// exact representation.
bool WideCharToMultiByte(const std::u16string& text, std::vector<char>& ansi);

WindowHandle FindWindowA(const char* windowName);
WindowHandle GetParent(WindowHandle window);
// Calls proc for each top-level window, before returning.
void EnumWindows(EnumWindowsProc proc, std::int32_t parameter);
bool IsWindowVisible(WindowHandle window);
// Hides or shows without waiting for the window's thread, so a target that stopped pumping
// messages cannot freeze the caller. The result is of no use to the caller and is not returned.
void ShowWindowAsync(WindowHandle window, int command);
std::int16_t GetAsyncKeyState(int virtualKey);

// Reports a failure the program cannot handle (memory exhausted, a counter overflowed, the
// window system refused a window) and ends the process.
[[noreturn]] void FatalAppExitA(const char* message);

} // namespace WindowSystem
