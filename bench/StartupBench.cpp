#include "BenchRows.h"
#include "BenchSupport.h"

#include <algorithm>
#include <cstdio>

namespace Bench {

namespace {

BOOL CALLBACK FoundWindow(HWND /*window*/, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return FALSE;
}

// From CreateProcess to the moment the main thread's focused control is visible. firstMs
// receives the time until the main thread had its first window, which splits the start-up into
// the process and runtime start and the creation and showing of the windows.
double TimeStartup(const std::wstring& exe, int& polls, double& firstMs) {
    const double start = NowMs();
    Program program = Start(exe, {});
    HWND window = nullptr;
    polls = 0;
    firstMs = -1;
    WaitFor([&] {
        ++polls;
        if (firstMs < 0) {
            bool found = false;
            ::EnumThreadWindows(program.ThreadId, FoundWindow, reinterpret_cast<LPARAM>(&found));
            if (!found) {
                return false;
            }
            firstMs = NowMs() - start;
        }
        HWND focus = FocusOf(program);
        if (focus == nullptr || !::IsWindowVisible(focus)) {
            return false;
        }
        window = ::GetAncestor(focus, GA_ROOT);
        return true;
    });
    const double elapsed = NowMs() - start;
    if (window == nullptr) {
        std::fprintf(stderr, "bench: %ls showed no focused window\n", exe.c_str());
    }
    Stop(program, window);
    ::Sleep(100); // let the closed program's teardown finish before the next start
    return window != nullptr ? elapsed : -1;
}

} // namespace

void RunStartup(int runs) {
    const std::wstring tessivar = TessivarPath();
    const std::wstring minimal = BenchProgramPath(L"MinimalButton.exe");
    int polls = 0;
    double firstMs = 0;
    TimeStartup(tessivar, polls, firstMs); // warm-up: first loads of the DLLs and the fonts
    TimeStartup(minimal, polls, firstMs);
    std::vector<double> tool;
    std::vector<double> baseline;
    std::vector<double> toolCreated;
    std::vector<double> baselineCreated;
    double pollPeriod = 0;
    for (int run = 0; run < runs; ++run) {
        // A B B A ...: a drift during the run weighs on both sides alike.
        const bool toolFirst = run % 2 == 0;
        for (int side = 0; side < 2; ++side) {
            const bool isTool = (side == 0) == toolFirst;
            const double elapsed = TimeStartup(isTool ? tessivar : minimal, polls, firstMs);
            if (isTool) {
                tool.push_back(elapsed);
                toolCreated.push_back(firstMs);
            } else {
                baseline.push_back(elapsed);
                baselineCreated.push_back(firstMs);
            }
            pollPeriod += elapsed / polls;
        }
    }
    const double toolMedian = Median(tool);
    const double baselineMedian = Median(baseline);
    char what[96];
    std::snprintf(what, sizeof what, "start to visible focused window, median of %d (A/B)", runs);
    Report("2 start-up", toolMedian, baselineMedian, what, "Tessivar " + Ms(toolMedian),
           "MinimalButton " + Ms(baselineMedian));
    char detail[160];
    std::snprintf(detail, sizeof detail,
                  "start-up: Tessivar %s..%s, MinimalButton %s..%s; driver polled every %.3f ms",
                  Ms(*std::min_element(tool.begin(), tool.end())).c_str(),
                  Ms(*std::max_element(tool.begin(), tool.end())).c_str(),
                  Ms(*std::min_element(baseline.begin(), baseline.end())).c_str(),
                  Ms(*std::max_element(baseline.begin(), baseline.end())).c_str(),
                  pollPeriod / (2.0 * runs));
    Note(detail);
    Note("start-up split (medians): first window after " + Ms(Median(toolCreated)) +
         " for Tessivar, " + Ms(Median(baselineCreated)) + " for MinimalButton; from there to " +
         "the visible focused window " + Ms(toolMedian - Median(toolCreated)) + " and " +
         Ms(baselineMedian - Median(baselineCreated)));
    Release("Start-up to a visible panel with Command1 focused (median, Wine): " + Ms(toolMedian));
}

} // namespace Bench
