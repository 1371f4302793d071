// What the Wine tests use to act as a user would: start the real Tessivar.exe and the test
// target program, find their windows, type, click, press keys with SendInput, and read back
// window texts, rectangles and visibility.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace Driver {

struct Process {
    HANDLE Handle = nullptr;
    DWORD Id = 0;
};

// The directory of the running test program; Tessivar.exe sits one level up, the test target
// beside the test program.
std::wstring ExeDirectory();
std::wstring TessivarPath();
std::wstring TargetPath();

// Starts exe with the given arguments (already quoted as needed). Fails the test on error.
Process Start(const std::wstring& exe, const std::vector<std::wstring>& arguments);
// Starts the test target program with the given options (see TargetWindows.cpp) and waits
// until it has created all its windows and the window named by waitTitle exists.
Process StartTarget(const std::vector<std::wstring>& options, const std::wstring& waitTitle);
bool IsRunning(const Process& process);
// Ends the process, waits for it and closes its handle; safe on an ended or empty process.
void Kill(Process& process);
// Waits for the process to end by itself; false on time-out.
bool WaitForExit(const Process& process, DWORD timeoutMs);

// Polls condition every few milliseconds until it holds or the time runs out.
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs = 5000);

// The first top-level window with exactly this title (FindWindowW), or nullptr.
HWND FindTopLevel(const std::wstring& title);
HWND WaitForWindow(const std::wstring& title, DWORD timeoutMs = 5000);
// Every top-level window with exactly this title, in EnumWindows order.
std::vector<HWND> FindAllTopLevel(const std::wstring& title);
bool WaitForVisibility(HWND window, bool visible, DWORD timeoutMs = 5000);

// The text of any window, also a control of another process (WM_GETTEXT).
std::wstring GetText(HWND window);
// A control's rectangle in its parent's client coordinates.
RECT ClientRectOf(HWND control);

// The running panel.
struct Panel {
    Process Process;
    HWND Window = nullptr;
    HWND Command(int n) const; // Command1..Command9
    HWND Text(int n) const;    // Text1..Text8
    HWND Label(int n) const;   // Label1..Label9
};
// Starts Tessivar.exe and waits until its panel is visible and Command1 has the focus.
Panel StartPanel();
// Closes the panel as a user does (WM_CLOSE, like the close box) and waits for the process.
bool ClosePanel(Panel& panel, DWORD timeoutMs = 5000);

// Input, as a user gives it. Each call returns once the input was sent; callers wait for its
// effect with WaitFor.
bool Activate(HWND window); // brings the top-level window to the foreground
void Click(HWND control);   // mouse click at the control's centre
void TypeText(const std::wstring& text);
void PressKey(WORD virtualKey);
void KeyDown(WORD virtualKey);
void KeyUp(WORD virtualKey);
void PressAlt(WORD letter); // Alt+letter, e.g. PressAlt('A')
// Focuses a title box by clicking it, selects its text and types over it.
void TypeInto(HWND titleBox, const std::wstring& text);
// The focused control of the window's thread.
HWND FocusOf(HWND window);

// Sends WM_NULL and waits up to timeoutMs for the window's thread to handle it. True when it
// did, which also means that every message sent to that thread earlier has been handled.
bool RoundTrip(HWND window, DWORD timeoutMs = 5000);
// Makes the test target that owns window stop pumping messages for durationMs, and returns once
// its thread is seen not answering (false if that was not seen within a few seconds).
bool StallTarget(HWND window, DWORD durationMs);
// True once a window of the test target has received a key-down of virtualKey (F9, F10 or F11
// only), whether as WM_KEYDOWN or WM_SYSKEYDOWN.
bool TargetGotKey(const Process& target, WORD virtualKey);

} // namespace Driver
