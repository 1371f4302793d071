// A small in-memory desktop behind the WindowSystem functions, for host tests: top-level windows
// in EnumWindows order, a log of every call and scripted key states. Linked instead of
// WindowSystemWin32.cpp.
#pragma once

#include "window_groups/WindowSystem.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace FakeWindowSystem {

using WindowSystem::WindowHandle;

struct Window {
    WindowHandle Handle;
    std::string Title; // in the ANSI code page, as FindWindowA compares it
    WindowHandle Parent;
    bool Visible;
    bool Destroyed;
};

// What FatalAppExitA throws instead of ending the process, so a test can see the fatal failure.
struct FatalExit : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Empties the desktop, the call log and the key-state queues.
void Reset();

// Appends a top-level window at the end of the enumeration order.
void AddWindow(WindowHandle handle, const std::string& title, WindowHandle parent = 0,
               bool visible = true);
// The window closes: it is no longer found, enumerated or shown, but its handle may still be
// held by the caller.
void DestroyWindow(WindowHandle handle);
void SetVisible(WindowHandle handle, bool visible);
bool IsVisible(WindowHandle handle);

// Every call in order, one entry each, e.g. "ShowWindowAsync(101, 0)", "FindWindowA(\"Notepad\")".
const std::vector<std::string>& CallLog();
void ClearCallLog();
// The handles passed to ShowWindowAsync with command, in call order.
std::vector<WindowHandle> ShowWindowAsyncHandles(int command);
// How many logged calls went to function.
int CountCalls(const std::string& function);

// GetAsyncKeyState(virtualKey) returns the queued states one per query, then 0.
void QueueKeyState(int virtualKey, std::int16_t state);
std::size_t QueuedKeyStates(int virtualKey);

} // namespace FakeWindowSystem
