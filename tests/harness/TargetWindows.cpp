// A program whose windows the tests hide and show. Each argument group creates one window:
//   --top TITLE               visible top-level window
//   --hidden-top TITLE        invisible top-level window
//   --popup TITLE OWNER       visible WS_POPUP window owned by the earlier window OWNER
//   --hidden-popup TITLE OWNER  the same, invisible
//   --owned TITLE OWNER       visible owned overlapped window (GetParent gives 0 for it)
//   --popups COUNT OWNER      COUNT visible popups owned by OWNER, titled "OWNER #i"
// Posting TargetStall (WM_APP + 1) with a duration in milliseconds in wParam to any of its
// windows makes the program stop pumping messages for that long, like a hung application.
// Once every window exists, the named event "TessivarTargetReady-<process id>" is set.
// A key-down of F9, F10 or F11 in any of its windows creates the named event
// "TessivarTargetKey-<process id>-<virtual-key code>", so tests can see that a key reached it.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <shellapi.h>

#include <cwchar>
#include <map>
#include <string>

namespace {

constexpr UINT TargetStall = WM_APP + 1;
constexpr wchar_t TargetClass[] = L"Tessivar.TestTarget";
int LiveWindows = 0;

void RecordKeyDown(WPARAM virtualKey) {
    if (virtualKey < VK_F9 || virtualKey > VK_F11) {
        return;
    }
    static HANDLE keyEvents[3]; // kept open for the life of the process
    HANDLE& keyEvent = keyEvents[virtualKey - VK_F9];
    if (keyEvent == nullptr) {
        const std::wstring name = L"TessivarTargetKey-" + std::to_wstring(::GetCurrentProcessId()) +
                                  L"-" + std::to_wstring(virtualKey);
        keyEvent = ::CreateEventW(nullptr, TRUE, TRUE, name.c_str());
    }
}

LRESULT CALLBACK TargetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case TargetStall:
        ::Sleep(static_cast<DWORD>(wParam));
        return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: // F10 arrives as a system key
        RecordKeyDown(wParam);
        return ::DefWindowProcW(window, message, wParam, lParam);
    case WM_CREATE:
        ++LiveWindows;
        return 0;
    case WM_DESTROY:
        if (--LiveWindows == 0) {
            ::PostQuitMessage(0);
        }
        return 0;
    default:
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
}

HWND MakeWindow(const std::wstring& title, DWORD style, HWND owner, int index) {
    const int offset = 40 + (index % 20) * 12;
    HWND window = ::CreateWindowExW(0, TargetClass, title.c_str(), style, offset, offset, 240, 120,
                                    owner, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    if (window == nullptr) {
        ::ExitProcess(3);
    }
    if (style & WS_VISIBLE) {
        ::ShowWindow(window, SW_SHOWNOACTIVATE);
    }
    return window;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previousInstance*/, PWSTR /*commandLine*/,
                    int /*showCommand*/) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = TargetProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
    windowClass.lpszClassName = TargetClass;
    ::RegisterClassW(&windowClass);

    int count = 0;
    wchar_t** args = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::map<std::wstring, HWND> windows;
    const DWORD overlapped = WS_OVERLAPPEDWINDOW;
    const DWORD popup = WS_POPUP | WS_CAPTION | WS_BORDER;
    int index = 0;
    for (int i = 1; i < count; ++i) {
        const std::wstring option = args[i];
        const bool twoArgs = option == L"--popup" || option == L"--hidden-popup" ||
                             option == L"--owned" || option == L"--popups";
        if (i + (twoArgs ? 2 : 1) >= count) {
            return 2; // an option without its arguments
        }
        const std::wstring title = args[++i];
        HWND owner = nullptr;
        if (twoArgs) {
            owner = windows[args[++i]];
            if (owner == nullptr) {
                return 2;
            }
        }
        if (option == L"--top") {
            windows[title] = MakeWindow(title, overlapped | WS_VISIBLE, nullptr, index++);
        } else if (option == L"--hidden-top") {
            windows[title] = MakeWindow(title, overlapped, nullptr, index++);
        } else if (option == L"--popup") {
            windows[title] = MakeWindow(title, popup | WS_VISIBLE, owner, index++);
        } else if (option == L"--hidden-popup") {
            windows[title] = MakeWindow(title, popup, owner, index++);
        } else if (option == L"--owned") {
            windows[title] = MakeWindow(title, overlapped | WS_VISIBLE, owner, index++);
        } else if (option == L"--popups") {
            const long popups = std::wcstol(title.c_str(), nullptr, 10);
            const std::wstring ownerTitle = args[i];
            for (long n = 1; n <= popups; ++n) {
                MakeWindow(ownerTitle + L" #" + std::to_wstring(n), popup | WS_VISIBLE, owner,
                           index++);
            }
        } else {
            return 2;
        }
    }
    ::LocalFree(args);
    // Tells the driver that every window exists: a named event, created once all are made.
    const std::wstring ready = L"TessivarTargetReady-" + std::to_wstring(::GetCurrentProcessId());
    HANDLE readyEvent = ::CreateEventW(nullptr, TRUE, TRUE, ready.c_str());

    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    ::CloseHandle(readyEvent);
    return 0;
}
