// What the bench driver's measurements share: a microsecond clock, a sleep finer than Sleep(1),
// starting and ending programs, polling a condition, medians and the result lines that
// tools/bench.sh turns into the table.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace Bench {

struct Program {
    HANDLE Process = nullptr;
    DWORD ProcessId = 0;
    DWORD ThreadId = 0; // the main thread, which owns the program's windows
};

// Milliseconds since an arbitrary start, from the performance counter.
double NowMs();
// Sleeps about 0.1 ms (ntdll's NtDelayExecution; Sleep only has whole milliseconds). The poll
// loops sleep this long between two looks so that they neither miss much nor load the CPUs that
// the measured programs need.
void PollPause();

// Paths of the programs, from the driver's own place in the win64 build tree.
std::wstring TessivarPath();
std::wstring BenchProgramPath(const wchar_t* name); // beside the driver
std::wstring TargetPath();

// Every program started is ended when the driver exits, also when a measurement fails.
Program Start(const std::wstring& exe, const std::vector<std::wstring>& arguments);
// Asks the program to close through its window, then ends it if it has not gone in time.
void Stop(Program& program, HWND window = nullptr);

// Polls until condition holds, with PollPause between looks; false after timeoutMs.
bool WaitFor(const std::function<bool()>& condition, double timeoutMs = 10000);
// The focused window of the program's main thread, or nullptr.
HWND FocusOf(const Program& program);
// The program's main window once it is visible and one of its controls has the focus.
HWND WaitForFocusedWindow(const Program& program, double timeoutMs = 10000);

double Median(std::vector<double> values);
// A small pseudo-random pause (0 to 20 ms) so that presses fall at every phase of the
// programs' own timers.
void JitterPause();

// One line of the table: name, the ratio measured over baseline, and both figures as text.
void Report(const std::string& name, double measured, double baseline, const std::string& what,
            const std::string& measuredText, const std::string& baselineText);
// A line printed under the table, for the detail of a row.
void Note(const std::string& text);
// A figure for the release note, printed in a section of its own.
void Release(const std::string& text);
std::string Ms(double milliseconds);

} // namespace Bench
