#include "BenchWindowSystem.h"

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Indexed by handle; index 0 stands for "no window" and is never enumerated.
std::vector<WindowSystem::WindowHandle> Parents;
std::vector<bool> Visible;

std::size_t Index(WindowSystem::WindowHandle window) {
    return static_cast<std::size_t>(window);
}

} // namespace

namespace BenchWindowSystem {

void MakeDesktop(std::int32_t count) {
    const std::size_t size = Index(count) + 1;
    Parents.assign(size, 0);
    Visible.assign(size, false);
    for (std::int32_t window = Target + 1; window < count; ++window) {
        const int kind = window % 10;
        Visible[Index(window)] = kind <= 4;
        Parents[Index(window)] = (kind == 0 || kind >= 5) ? Target : 0;
    }
    Parents[Index(Target)] = count;
    Visible[Index(Target)] = true;
    Visible[Index(count)] = true;
}

std::int32_t GroupSize() {
    std::int32_t size = 2; // the target and its parent
    for (std::size_t window = Index(Target) + 1; window < Parents.size(); ++window) {
        if (Visible[window] && Parents[window] == Target) {
            ++size;
        }
    }
    return size;
}

std::int32_t HiddenCount() {
    std::int32_t hidden = 0;
    for (std::size_t window = 1; window < Visible.size(); ++window) {
        hidden += Visible[window] ? 0 : 1;
    }
    return hidden;
}

} // namespace BenchWindowSystem

namespace WindowSystem {

WindowHandle GetParent(WindowHandle window) {
    return Parents[Index(window)];
}

void EnumWindows(EnumWindowsProc proc, std::int32_t parameter) {
    const auto count = static_cast<WindowHandle>(Parents.size());
    for (WindowHandle window = 1; window < count; ++window) {
        if (!proc(window, parameter)) {
            return;
        }
    }
}

bool IsWindowVisible(WindowHandle window) {
    return Visible[Index(window)];
}

void ShowWindowAsync(WindowHandle window, int command) {
    Visible[Index(window)] = command != SW_HIDE_COMMAND;
}

// The double's desktops never overflow the window list; reaching this is a fault of the bench.
[[noreturn]] void FatalAppExitA(const char* message) {
    std::fprintf(stderr, "capture_bench: %s\n", message);
    std::abort();
}

} // namespace WindowSystem
