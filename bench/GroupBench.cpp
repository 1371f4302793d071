#include "BenchRows.h"
#include "BenchSupport.h"
#include "panel/Form1Layout.h"
#include "tests/harness/ProcessInput.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace Bench {

namespace {

// The test target program with one top-level window and its owned popups, in the order in which
// Tessivar hides them: the target first, then the popups as EnumWindows offers them.
struct Group {
    Program Target;
    std::vector<HWND> Windows;
};

Group StartGroup(const std::wstring& title, int popups) {
    Group group;
    group.Target =
        Start(TargetPath(), {L"--top", title, L"--popups", std::to_wstring(popups), title});
    const std::wstring ready = L"TessivarTargetReady-" + std::to_wstring(group.Target.ProcessId);
    WaitFor([&] {
        HANDLE event = ::OpenEventW(SYNCHRONIZE, FALSE, ready.c_str());
        if (event != nullptr) {
            ::CloseHandle(event);
        }
        return event != nullptr;
    });
    HWND target = ::FindWindowW(nullptr, title.c_str());
    // The ready event comes once every window exists; wait until Wine has shown them all too.
    const auto collect = [&] {
        group.Windows.assign(1, target);
        ::EnumWindows(
            [](HWND window, LPARAM context) -> BOOL {
                auto* windows = reinterpret_cast<std::vector<HWND>*>(context);
                if (::GetWindow(window, GW_OWNER) == windows->front() &&
                    ::IsWindowVisible(window)) {
                    windows->push_back(window);
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&group.Windows));
        return target != nullptr && group.Windows.size() == static_cast<std::size_t>(popups) + 1;
    };
    const auto collectSlowly = [&] {
        if (collect()) {
            return true;
        }
        ::Sleep(50); // an enumeration of a thousand windows costs the target time too
        return false;
    };
    if (!WaitFor(collectSlowly, 20000)) {
        std::fprintf(stderr, "bench: the target group %ls has %zu windows, not %d\n", title.c_str(),
                     group.Windows.size(), popups + 1);
        std::exit(2);
    }
    return group;
}

// The time from start until every window of the group has the visibility wanted; the windows
// are looked at in order and a window already seen in that state is not looked at again, so
// one look costs one IsWindowVisible. firstMs receives the time until the first window did.
double WaitAll(const std::vector<HWND>& windows, bool visible, double start,
               double* firstMs = nullptr) {
    std::size_t done = 0;
    const double timeoutMs = 10000.0 + 30.0 * static_cast<double>(windows.size());
    const bool finished = WaitFor(
        [&] {
            while (done < windows.size() &&
                   (::IsWindowVisible(windows[done]) != FALSE) == visible) {
                if (done == 0 && firstMs != nullptr) {
                    *firstMs = NowMs() - start;
                }
                ++done;
            }
            return done == windows.size();
        },
        timeoutMs);
    const double elapsed = NowMs() - start;
    if (!finished) {
        std::fprintf(stderr, "bench: %zu of %zu windows did not become %s\n", windows.size() - done,
                     windows.size(), visible ? "visible" : "hidden");
        std::exit(3);
    }
    return elapsed;
}

// Lets the target finish repainting and the X server catch up before the next measurement.
void Settle(const Group& group) {
    ::Sleep(20 + static_cast<DWORD>(group.Windows.size() / 5));
}

// The window-system calls of one capture, made by the driver itself in the same order as
// Module1 makes them: FindWindowA, GetParent of the target, then EnumWindows with
// IsWindowVisible, and GetParent for each visible window.
double TimeCaptureCalls(const std::wstring& title) {
    std::string ansi(title.begin(), title.end()); // the bench titles are ASCII
    const double start = NowMs();
    HWND target = ::FindWindowA(nullptr, ansi.c_str());
    std::vector<HWND> list{target};
    if (HWND parent = ::GetParent(target)) {
        list.push_back(parent);
    }
    ::EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            auto* windows = reinterpret_cast<std::vector<HWND>*>(context);
            if (::IsWindowVisible(window) && ::GetParent(window) == windows->front()) {
                windows->push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&list));
    return NowMs() - start;
}

// Offered top-level windows on the desktop, for the notes.
int TopLevelCount() {
    int count = 0;
    for (HWND w = ::GetTopWindow(nullptr); w != nullptr; w = ::GetWindow(w, GW_HWNDNEXT)) {
        ++count;
    }
    return count;
}

struct Panel {
    Program Process;
    HWND Window = nullptr;
    HWND Text1 = nullptr;
    HWND Command1 = nullptr;
};

Panel StartPanel() {
    Panel panel;
    panel.Process = Start(TessivarPath(), {});
    panel.Window = WaitForFocusedWindow(panel.Process);
    panel.Text1 = ::GetDlgItem(panel.Window, Form1::TextId(1));
    panel.Command1 = ::GetDlgItem(panel.Window, Form1::CommandId(1));
    if (panel.Text1 == nullptr || panel.Command1 == nullptr) {
        std::fprintf(stderr, "bench: the panel did not come up\n");
        std::exit(2);
    }
    return panel;
}

void SetTitle(const Panel& panel, const std::wstring& title) {
    ::SendMessageW(panel.Text1, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(title.c_str()));
}

// Command1 posts BM_CLICK and returns at once; Command1Sent sends it and returns when the
// panel's handler has run, which also times the handler.
enum class Method { Command1, Command1Sent, Bare, F9 };

using ProcessInput::SendKey;

// One phase (hide or show) of the whole group by one method: the press, or the driver's own
// ShowWindowAsync loop, then the wait until every window is in the new state. issuedMs receives
// the time the press or the loop took to return.
double TimePhase(Method method, const Panel& panel, const Group& group, bool hide,
                 double* firstMs = nullptr, double* issuedMs = nullptr) {
    JitterPause();
    const double start = NowMs();
    switch (method) {
    case Method::Command1:
        ::PostMessageW(panel.Command1, BM_CLICK, 0, 0);
        break;
    case Method::Command1Sent:
        ::SendMessageW(panel.Command1, BM_CLICK, 0, 0);
        break;
    case Method::Bare:
        for (HWND window : group.Windows) {
            ::ShowWindowAsync(window, hide ? SW_HIDE : SW_SHOW);
        }
        break;
    case Method::F9:
        SendKey(VK_F9, false); // held until the panel has seen it, then released
        break;
    }
    if (issuedMs != nullptr) {
        *issuedMs = NowMs() - start;
    }
    const double elapsed = WaitAll(group.Windows, !hide, start, firstMs);
    if (method == Method::F9) {
        SendKey(VK_F9, true);
    }
    Settle(group);
    return elapsed;
}

std::string Windows(std::size_t count) {
    return std::to_string(count) + " windows";
}

} // namespace

namespace {

// Index 0: through Command1; index 1: the driver's own ShowWindowAsync loop.
struct GroupSamples {
    std::vector<double> Hide[2];
    std::vector<double> Show[2];
    std::vector<double> Handler; // Command1's hide handler, as the sent BM_CLICK's round trip
    std::vector<double> Capture; // the capture's own calls, made by the driver
};

// One hide and one show of the group, through Command1 (tool) or the driver's loop; the
// figures are kept unless it is a warm-up.
void RunCycle(const Panel& panel, const Group& group, const std::wstring& title, bool tool,
              bool keep, GroupSamples& samples) {
    double issued = 0;
    const Method method = tool ? Method::Command1Sent : Method::Bare;
    const double hidden = TimePhase(method, panel, group, true, nullptr, &issued);
    const double shown = TimePhase(method, panel, group, false);
    if (!keep) {
        return;
    }
    samples.Hide[tool ? 0 : 1].push_back(hidden);
    samples.Show[tool ? 0 : 1].push_back(shown);
    if (tool) {
        samples.Handler.push_back(issued);
    } else {
        samples.Capture.push_back(TimeCaptureCalls(title));
    }
}

// Row 4 for one group size: Command1 against the driver's own loop, alternating, then the
// figures that tell where a difference goes.
void MeasureGroup(const Panel& panel, int popups, int runs, bool warmUp) {
    const std::wstring title = L"BenchGroup" + std::to_wstring(popups);
    Group group = StartGroup(title, popups);
    SetTitle(panel, title);
    GroupSamples samples;
    for (int run = warmUp ? -1 : 0; run < runs; ++run) { // run -1 warms both methods up
        const bool toolFirst = run % 2 == 0;
        RunCycle(panel, group, title, toolFirst, run >= 0, samples);
        RunCycle(panel, group, title, !toolFirst, run >= 0, samples);
    }
    const std::vector<double>(&hide)[2] = samples.Hide;
    const std::vector<double>(&show)[2] = samples.Show;
    const std::vector<double>& handler = samples.Handler;
    const std::vector<double>& capture = samples.Capture;
    const int offered = TopLevelCount();
    Stop(group.Target);
    const std::string size = Windows(group.Windows.size());
    char what[96];
    std::snprintf(what, sizeof what, "press to all %s, median of %d (A/B)", "hidden", runs);
    Report("4 hide " + size, Median(hide[0]), Median(hide[1]), what,
           "Command1 " + Ms(Median(hide[0])), "ShowWindowAsync loop " + Ms(Median(hide[1])));
    std::snprintf(what, sizeof what, "press to all %s, median of %d (A/B)", "shown", runs);
    Report("4 show " + size, Median(show[0]), Median(show[1]), what,
           "Command1 " + Ms(Median(show[0])), "ShowWindowAsync loop " + Ms(Median(show[1])));
    Note("group of " + size + ": the capture's own calls (FindWindowA, EnumWindows over " +
         std::to_string(offered) + " top-level windows, IsWindowVisible, GetParent) take " +
         Ms(Median(capture)) + " from the driver; Command1's hide handler (sent BM_CLICK " +
         "round trip) " + Ms(Median(handler)) + "; hide difference " +
         Ms(Median(hide[0]) - Median(hide[1])));
}

} // namespace

void RunGroups(int runs, const int* sizes, int sizeCount) {
    Panel panel = StartPanel();
    for (int index = 0; index < sizeCount; ++index) {
        // A group of a thousand windows takes seconds per cycle, so it gets half the runs.
        const int popups = sizes[index];
        MeasureGroup(panel, popups, popups >= 1000 ? (runs + 1) / 2 : runs, index == 0);
    }
    Stop(panel.Process, panel.Window);
}

void RunHotkey(int runs, int popups) {
    Panel panel = StartPanel();
    const std::wstring title = L"BenchHotkey";
    Group group = StartGroup(title, popups);
    SetTitle(panel, title);
    const Method methods[3] = {Method::F9, Method::Command1, Method::Bare};
    std::vector<double> first[3];
    for (int run = -1; run < runs; ++run) {
        for (int step = 0; step < 3; ++step) {
            const int which = (run + 3 + step) % 3; // each method leads in turn
            double firstMs = 0;
            TimePhase(methods[which], panel, group, true, &firstMs);
            TimePhase(methods[which], panel, group, false);
            if (run >= 0) {
                first[which].push_back(firstMs);
            }
        }
    }
    // What a press costs before any window is looked up: with an empty title the row's toggle
    // reads the caption and the title and returns, so the round trip of a sent BM_CLICK is the
    // message delivery and the button's own work.
    SetTitle(panel, L"");
    std::vector<double> emptyPress;
    std::vector<double> capture;
    for (int run = 0; run < runs; ++run) {
        JitterPause();
        const double start = NowMs();
        ::SendMessageW(panel.Command1, BM_CLICK, 0, 0);
        emptyPress.push_back(NowMs() - start);
        capture.push_back(TimeCaptureCalls(title));
    }
    Stop(group.Target);
    Stop(panel.Process, panel.Window);
    Note(
        "Command1 press with an empty title (sent BM_CLICK round trip): " + Ms(Median(emptyPress)) +
        "; the capture's own calls from the driver: " + Ms(Median(capture)));
    const double f9 = Median(first[0]);
    const double command1 = Median(first[1]);
    const double bare = Median(first[2]);
    char what[96];
    std::snprintf(what, sizeof what, "press to first of %s hidden, median of %d (A/B/C)",
                  Windows(group.Windows.size()).c_str(), runs);
    Report("5 F9 vs Command1", f9, command1, what, "F9 " + Ms(f9), "Command1 " + Ms(command1));
    Report("5 F9 vs bare call", f9, bare, what, "F9 " + Ms(f9), "ShowWindowAsync " + Ms(bare));
    Report("5 Command1 vs bare call", command1, bare, what, "Command1 " + Ms(command1),
           "ShowWindowAsync " + Ms(bare));
    const auto [low, high] = std::minmax_element(first[0].begin(), first[0].end());
    Note("F9 to first hidden ranged " + Ms(*low) + " to " + Ms(*high) + "; Command1 " +
         Ms(*std::min_element(first[1].begin(), first[1].end())) + " to " +
         Ms(*std::max_element(first[1].begin(), first[1].end())));
    Release("F9 press to the first window of its group hidden (median, Wine): " + Ms(f9));
}

} // namespace Bench
