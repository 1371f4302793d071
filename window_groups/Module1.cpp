#include "Module1.h"

#include <limits>

namespace Module1 {

std::vector<WindowHandle> WindowList;
std::int32_t WindowCount = 0;
WindowHandle ParentWindow = 0;

namespace {

void AppendWindow(WindowHandle window) {
    if (WindowCount == std::numeric_limits<std::int32_t>::max()) {
        WindowSystem::FatalAppExitA("Tessivar: WindowCount overflow.");
    }
    ++WindowCount;
    WindowList.push_back(window); // amortised: the vector keeps spare capacity
}

void ShowWindowGroupWith(int command) {
    // The walk has no limit of its own: every element of a list of any length is visited.
    for (WindowHandle window : WindowList) {
        WindowSystem::ShowWindowAsync(window, command);
    }
}

} // namespace

void CaptureWindowGroup(WindowHandle target) {
    WindowList.clear();
    WindowList.push_back(target);
    WindowCount = 0;
    ParentWindow = WindowSystem::GetParent(target);
    if (ParentWindow != 0) {
        AppendWindow(ParentWindow); // appended whether it is visible or not
    }
    WindowSystem::EnumWindows(EnumWindowGroupProc, 0);
}

bool EnumWindowGroupProc(WindowHandle window, std::int32_t /*parameter*/) {
    if (!WindowSystem::IsWindowVisible(window)) {
        return true;
    }
    if (WindowSystem::GetParent(window) != WindowList[0]) {
        return true;
    }
    AppendWindow(window);
    return true;
}

void HideWindowGroup() {
    ShowWindowGroupWith(WindowSystem::SW_HIDE_COMMAND);
}

void ShowWindowGroup() {
    ShowWindowGroupWith(WindowSystem::SW_SHOW_COMMAND);
}

} // namespace Module1
