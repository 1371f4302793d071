// A desktop of many top-level windows behind the four WindowSystem functions that Module1 calls,
// for the capture benchmarks. Built for scale: handles are 1..count and every property lives in
// a vector indexed by handle, so a query costs one load and the benchmark times Module1.
#pragma once

#include "window_groups/WindowSystem.h"

#include <cstdint>

namespace BenchWindowSystem {

using WindowSystem::WindowHandle;

// The target window of every desktop; its own parent is the last window.
constexpr WindowHandle Target = 1;

// Replaces the desktop with count top-level windows (count >= 10), in handle order. One window
// in ten is visible and owned by Target (its group), four in ten are visible and unowned, five
// in ten are owned by Target but hidden.
void MakeDesktop(std::int32_t count);
// The number of windows of Target's group: Target, its parent and its visible owned windows.
std::int32_t GroupSize();
// Hidden windows of the desktop at this moment.
std::int32_t HiddenCount();

} // namespace BenchWindowSystem
