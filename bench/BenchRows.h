// The measurements of the bench driver, one procedure per table row (or pair of rows).
#pragma once

namespace Bench {

// Process start to a visible window with a focused control: Tessivar.exe against
// MinimalButton.exe, alternating, median of runs each.
void RunStartup(int runs);
// Hide and show of a group of popups through Command1 against the same ShowWindowAsync calls
// made by the driver itself, for each group size.
void RunGroups(int runs, const int* sizes, int sizeCount);
// F9 press to the first window of the group hidden, against a Command1 press and against the
// driver's own ShowWindowAsync.
void RunHotkey(int runs, int popups);

} // namespace Bench
