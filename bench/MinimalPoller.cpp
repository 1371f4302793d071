// The baseline of the idle figure: a windowless program whose 10 ms timer makes the same three
// key-state queries per tick as the panel's hotkey poller (F11, F10, F9) and nothing else.
// With --window it also shows one plain window and runs the timer on it, as the panel does:
// under Wine a thread with a window checks its display connection on every message wait.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cwchar>

namespace {

constexpr SHORT KeyPressed = -32767;
volatile int Presses = 0; // keeps the queries and their comparisons in the program

void CALLBACK PollKeys(HWND /*window*/, UINT /*message*/, UINT_PTR /*timer*/, DWORD /*time*/) {
    // In the poller's order: F10 is not queried once F11 counted, F9 not once F10 did.
    if (::GetAsyncKeyState(VK_F11) == KeyPressed || ::GetAsyncKeyState(VK_F10) == KeyPressed ||
        ::GetAsyncKeyState(VK_F9) == KeyPressed) {
        Presses = Presses + 1;
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previousInstance*/, PWSTR commandLine,
                    int /*showCommand*/) {
    HWND window = nullptr;
    if (commandLine != nullptr && std::wcscmp(commandLine, L"--window") == 0) {
        window = ::CreateWindowExW(0, L"STATIC", L"MinimalPoller", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                   0, 0, 331, 275, nullptr, nullptr, instance, nullptr);
    }
    if (::SetTimer(window, 1, 10, PollKeys) == 0) {
        return 1;
    }
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::DispatchMessageW(&message);
    }
    return 0;
}
