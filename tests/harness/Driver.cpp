#include "Driver.h"
#include "ProcessInput.h"

#include "../../panel/Form1Layout.h"

#include <gtest/gtest.h>

namespace Driver {

std::wstring ExeDirectory() {
    wchar_t path[MAX_PATH];
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring directory(path, length);
    return directory.substr(0, directory.find_last_of(L"\\/"));
}

std::wstring TessivarPath() {
    return ExeDirectory() + L"\\..\\Tessivar.exe";
}

std::wstring TargetPath() {
    return ExeDirectory() + L"\\TargetWindows.exe";
}

Process Start(const std::wstring& exe, const std::vector<std::wstring>& arguments) {
    PROCESS_INFORMATION info{};
    const bool started = ProcessInput::StartProcess(exe, arguments, info);
    EXPECT_TRUE(started) << "CreateProcess failed: " << ::GetLastError();
    if (!started) {
        return {};
    }
    return {info.hProcess, info.dwProcessId};
}

Process StartTarget(const std::vector<std::wstring>& options, const std::wstring& waitTitle) {
    Process target = Start(TargetPath(), options);
    const std::wstring ready = L"TessivarTargetReady-" + std::to_wstring(target.Id);
    EXPECT_TRUE(WaitFor(
        [&] {
            HANDLE readyEvent = ::OpenEventW(SYNCHRONIZE, FALSE, ready.c_str());
            if (readyEvent != nullptr) {
                ::CloseHandle(readyEvent);
            }
            return readyEvent != nullptr || !IsRunning(target);
        },
        10000));
    EXPECT_NE(WaitForWindow(waitTitle), nullptr) << "the test target did not show its window";
    return target;
}

bool IsRunning(const Process& process) {
    return process.Handle != nullptr && ::WaitForSingleObject(process.Handle, 0) == WAIT_TIMEOUT;
}

void Kill(Process& process) {
    if (process.Handle == nullptr) {
        return;
    }
    ::TerminateProcess(process.Handle, 1);
    ::WaitForSingleObject(process.Handle, 5000);
    ::CloseHandle(process.Handle);
    process = {};
}

bool WaitForExit(const Process& process, DWORD timeoutMs) {
    return process.Handle != nullptr &&
           ::WaitForSingleObject(process.Handle, timeoutMs) == WAIT_OBJECT_0;
}

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs) {
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    for (;;) {
        if (condition()) {
            return true;
        }
        if (::GetTickCount64() >= deadline) {
            return false;
        }
        ::Sleep(5);
    }
}

HWND FindTopLevel(const std::wstring& title) {
    return ::FindWindowW(nullptr, title.c_str());
}

HWND WaitForWindow(const std::wstring& title, DWORD timeoutMs) {
    HWND window = nullptr;
    WaitFor([&] { return (window = FindTopLevel(title)) != nullptr; }, timeoutMs);
    return window;
}

std::vector<HWND> FindAllTopLevel(const std::wstring& title) {
    struct Search {
        const std::wstring* Title;
        std::vector<HWND> Found;
    } search{&title, {}};
    ::EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            auto* s = reinterpret_cast<Search*>(context);
            if (GetText(window) == *s->Title) {
                s->Found.push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

bool WaitForVisibility(HWND window, bool visible, DWORD timeoutMs) {
    return WaitFor([&] { return (::IsWindowVisible(window) != FALSE) == visible; }, timeoutMs);
}

std::wstring GetText(HWND window) {
    DWORD_PTR length = 0;
    if (!::SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length)) {
        // A hung window still answers GetWindowText from its stored title.
        wchar_t title[512];
        return {title, static_cast<std::size_t>(::GetWindowTextW(window, title, 512))};
    }
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    ::SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                          SMTO_ABORTIFHUNG, 2000, &copied);
    text.resize(copied);
    return text;
}

RECT ClientRectOf(HWND control) {
    RECT rect{};
    ::GetWindowRect(control, &rect);
    ::MapWindowPoints(nullptr, ::GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

HWND Panel::Command(int n) const {
    return ::GetDlgItem(Window, Form1::CommandId(n));
}

HWND Panel::Text(int n) const {
    return ::GetDlgItem(Window, Form1::TextId(n));
}

HWND Panel::Label(int n) const {
    return ::GetDlgItem(Window, Form1::LabelId(n));
}

Panel StartPanel() {
    Panel panel;
    panel.Process = Start(TessivarPath(), {});
    WaitFor(
        [&] {
            for (HWND window : FindAllTopLevel(L"Tessivar")) {
                DWORD owner = 0;
                ::GetWindowThreadProcessId(window, &owner);
                if (owner == panel.Process.Id && ::IsWindowVisible(window)) {
                    panel.Window = window;
                    return true;
                }
            }
            return false;
        },
        10000);
    EXPECT_NE(panel.Window, nullptr) << "the panel did not appear";
    if (panel.Window != nullptr) {
        EXPECT_TRUE(WaitFor([&] { return FocusOf(panel.Window) == panel.Command(1); }))
            << "Command1 did not get the focus";
    }
    return panel;
}

bool ClosePanel(Panel& panel, DWORD timeoutMs) {
    ::PostMessageW(panel.Window, WM_CLOSE, 0, 0);
    const bool ended = WaitForExit(panel.Process, timeoutMs);
    Kill(panel.Process);
    return ended;
}

bool Activate(HWND window) {
    return WaitFor(
        [&] {
            if (::GetForegroundWindow() == window) {
                return true;
            }
            ::SetForegroundWindow(window);
            return false;
        },
        3000);
}

void Click(HWND control) {
    RECT rect{};
    ::GetWindowRect(control, &rect);
    const int x = (rect.left + rect.right) / 2;
    const int y = (rect.top + rect.bottom) / 2;
    const int width = ::GetSystemMetrics(SM_CXSCREEN);
    const int height = ::GetSystemMetrics(SM_CYSCREEN);
    INPUT inputs[3]{};
    for (INPUT& input : inputs) {
        input.type = INPUT_MOUSE;
        input.mi.dx = (x * 65536 + width / 2) / width;
        input.mi.dy = (y * 65536 + height / 2) / height;
    }
    // Each event carries the position: under Wine a late echo of an earlier pointer warp can
    // move the cursor between the events, and a button event without MOUSEEVENTF_MOVE would
    // then land wherever that echo put the cursor.
    inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
    inputs[2].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(3, inputs, sizeof(INPUT));
}

void TypeText(const std::wstring& text) {
    std::vector<INPUT> inputs;
    inputs.reserve(text.size() * 2);
    for (wchar_t c : text) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wScan = c;
        input.ki.dwFlags = KEYEVENTF_UNICODE;
        inputs.push_back(input);
        input.ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    if (!inputs.empty()) {
        ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    }
}

void KeyDown(WORD virtualKey) {
    ProcessInput::SendKey(virtualKey, false);
}

void KeyUp(WORD virtualKey) {
    ProcessInput::SendKey(virtualKey, true);
}

void PressKey(WORD virtualKey) {
    KeyDown(virtualKey);
    KeyUp(virtualKey);
}

void PressAlt(WORD letter) {
    KeyDown(VK_MENU);
    PressKey(letter);
    KeyUp(VK_MENU);
}

void TypeInto(HWND titleBox, const std::wstring& text) {
    Click(titleBox);
    WaitFor([&] { return FocusOf(::GetParent(titleBox)) == titleBox; });
    PressKey(VK_END);
    KeyDown(VK_SHIFT);
    PressKey(VK_HOME);
    KeyUp(VK_SHIFT);
    PressKey(VK_DELETE);
    TypeText(text);
    WaitFor([&] { return GetText(titleBox) == text; });
}

HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info)) {
        return nullptr;
    }
    return info.hwndFocus;
}

bool RoundTrip(HWND window, DWORD timeoutMs) {
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &result) != 0;
}

bool StallTarget(HWND window, DWORD durationMs) {
    constexpr UINT TargetStall = WM_APP + 1; // see TargetWindows.cpp
    if (!::PostMessageW(window, TargetStall, durationMs, 0)) {
        return false;
    }
    return WaitFor([&] { return !RoundTrip(window, 50); }, 3000);
}

bool TargetGotKey(const Process& target, WORD virtualKey) {
    const std::wstring name =
        L"TessivarTargetKey-" + std::to_wstring(target.Id) + L"-" + std::to_wstring(virtualKey);
    HANDLE keyEvent = ::OpenEventW(SYNCHRONIZE, FALSE, name.c_str());
    if (keyEvent == nullptr) {
        return false;
    }
    ::CloseHandle(keyEvent);
    return true;
}

} // namespace Driver
