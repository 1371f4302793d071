// The one window list of the program and the operations on it: capture the group of a target
// window (the target, its parent, and every visible top-level window whose parent is the
// target), hide every window in the list, show every window in the list.
#pragma once

#include "WindowSystem.h"

#include <cstdint>
#include <vector>

namespace Module1 {

using WindowSystem::WindowHandle;

// The group captured last, in capture order; empty until the first capture.
extern std::vector<WindowHandle> WindowList;
// Index of the last element of WindowList once a capture has completed.
extern std::int32_t WindowCount;
// The parent of the target captured last, 0 when it had none.
extern WindowHandle ParentWindow;

// Replaces the list with the group of target, a window handle other than 0.
void CaptureWindowGroup(WindowHandle target);
// Enumeration callback of CaptureWindowGroup; keeps the enumeration going on every path.
bool EnumWindowGroupProc(WindowHandle window, std::int32_t parameter);
void HideWindowGroup();
void ShowWindowGroup();

} // namespace Module1
