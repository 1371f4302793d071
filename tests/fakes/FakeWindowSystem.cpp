#include "FakeWindowSystem.h"

#include <algorithm>
#include <deque>
#include <map>
#include <unordered_map>

namespace FakeWindowSystem {

namespace {

std::vector<Window> Windows;
std::unordered_map<WindowHandle, std::size_t> WindowIndex; // handle -> place in Windows
std::vector<std::string> Calls;
std::map<int, std::deque<std::int16_t>> KeyStates;

Window* FindHandle(WindowHandle handle) {
    const auto found = WindowIndex.find(handle);
    return found == WindowIndex.end() ? nullptr : &Windows[found->second];
}

// A window the system still knows: present and not destroyed.
Window* LiveWindow(WindowHandle handle) {
    Window* window = FindHandle(handle);
    return window != nullptr && !window->Destroyed ? window : nullptr;
}

void Log(const std::string& call) {
    Calls.push_back(call);
}

void AppendUtf8(char32_t codePoint, std::vector<char>& out) {
    if (codePoint < 0x80) {
        out.push_back(static_cast<char>(codePoint));
        return;
    }
    // Only U+4E00..U+9FFF get here: always three bytes.
    out.push_back(static_cast<char>(0xE0 | (codePoint >> 12)));
    out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
}

} // namespace

void Reset() {
    Windows.clear();
    WindowIndex.clear();
    Calls.clear();
    KeyStates.clear();
}

void AddWindow(WindowHandle handle, const std::string& title, WindowHandle parent, bool visible) {
    WindowIndex[handle] = Windows.size();
    Windows.push_back({handle, title, parent, visible, false});
}

void DestroyWindow(WindowHandle handle) {
    FindHandle(handle)->Destroyed = true;
}

void SetVisible(WindowHandle handle, bool visible) {
    FindHandle(handle)->Visible = visible;
}

bool IsVisible(WindowHandle handle) {
    const Window* window = LiveWindow(handle);
    return window != nullptr && window->Visible;
}

const std::vector<std::string>& CallLog() {
    return Calls;
}

void ClearCallLog() {
    Calls.clear();
}

std::vector<WindowHandle> ShowWindowAsyncHandles(int command) {
    std::vector<WindowHandle> handles;
    const std::string suffix = ", " + std::to_string(command) + ")";
    for (const std::string& call : Calls) {
        if (call.rfind("ShowWindowAsync(", 0) == 0 && call.size() > suffix.size() &&
            call.compare(call.size() - suffix.size(), suffix.size(), suffix) == 0) {
            handles.push_back(std::stoi(call.substr(16)));
        }
    }
    return handles;
}

int CountCalls(const std::string& function) {
    const std::string prefix = function + "(";
    return static_cast<int>(std::count_if(Calls.begin(), Calls.end(), [&](const std::string& call) {
        return call.rfind(prefix, 0) == 0;
    }));
}

void QueueKeyState(int virtualKey, std::int16_t state) {
    KeyStates[virtualKey].push_back(state);
}

std::size_t QueuedKeyStates(int virtualKey) {
    return KeyStates[virtualKey].size();
}

} // namespace FakeWindowSystem

// The double of the window system, over the desktop above.
namespace WindowSystem {

using namespace FakeWindowSystem;

// A code page that holds ASCII and the CJK unified ideographs and nothing else; its bytes for
// an ideograph are the UTF-8 ones, which is all the tests need.
bool WideCharToMultiByte(const std::u16string& text, std::vector<char>& ansi) {
    Log("WideCharToMultiByte(" + std::to_string(text.size()) + ")");
    ansi.clear();
    for (const char16_t unit : text) {
        if (unit >= 0x80 && (unit < 0x4E00 || unit > 0x9FFF)) {
            return false;
        }
        AppendUtf8(unit, ansi);
    }
    ansi.push_back('\0');
    return true;
}

WindowHandle FindWindowA(const char* windowName) {
    Log("FindWindowA(\"" + std::string(windowName) + "\")");
    const auto found = std::find_if(Windows.begin(), Windows.end(), [&](const Window& window) {
        return !window.Destroyed && window.Title == windowName;
    });
    return found == Windows.end() ? 0 : found->Handle;
}

WindowHandle GetParent(WindowHandle window) {
    Log("GetParent(" + std::to_string(window) + ")");
    const Window* found = LiveWindow(window);
    return found == nullptr ? 0 : found->Parent;
}

void EnumWindows(EnumWindowsProc proc, std::int32_t parameter) {
    Log("EnumWindows(" + std::to_string(parameter) + ")");
    // A snapshot of handles: a window added by the callback would move the vector under us.
    std::vector<WindowHandle> order;
    for (const Window& window : Windows) {
        if (!window.Destroyed) {
            order.push_back(window.Handle);
        }
    }
    for (const WindowHandle window : order) {
        if (!proc(window, parameter)) {
            return; // as user32 does: false ends the enumeration
        }
    }
}

bool IsWindowVisible(WindowHandle window) {
    Log("IsWindowVisible(" + std::to_string(window) + ")");
    return IsVisible(window);
}

void ShowWindowAsync(WindowHandle window, int command) {
    Log("ShowWindowAsync(" + std::to_string(window) + ", " + std::to_string(command) + ")");
    if (Window* found = LiveWindow(window)) {
        found->Visible = command != SW_HIDE_COMMAND;
    }
}

std::int16_t GetAsyncKeyState(int virtualKey) {
    Log("GetAsyncKeyState(" + std::to_string(virtualKey) + ")");
    std::deque<std::int16_t>& queue = KeyStates[virtualKey];
    if (queue.empty()) {
        return 0;
    }
    const std::int16_t state = queue.front();
    queue.pop_front();
    return state;
}

void FatalAppExitA(const char* message) {
    Log("FatalAppExitA(\"" + std::string(message) + "\")");
    throw FatalExit(message);
}

} // namespace WindowSystem
