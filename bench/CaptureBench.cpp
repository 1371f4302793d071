// Capture and hide of one window group on desktops of 10,000 and 100,000 top-level windows,
// with the window system replaced by the in-memory desktop of BenchWindowSystem. Both sizes run
// in one process, so tools/bench.sh can compare them: a linear capture costs ten times as much
// on the larger desktop, the same per offered window.
#include "BenchWindowSystem.h"
#include "window_groups/Module1.h"

#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>

namespace {

void SetWindowCounters(benchmark::State& state, std::int32_t windows) {
    state.counters["windows"] = static_cast<double>(windows);
    state.counters["group"] = static_cast<double>(Module1::WindowList.size());
    state.SetItemsProcessed(state.iterations() * windows);
}

bool IsGroup(std::int32_t groupSize) {
    return Module1::WindowList.size() == static_cast<std::size_t>(groupSize);
}

void BM_CaptureWindowGroup(benchmark::State& state) {
    const auto windows = static_cast<std::int32_t>(state.range(0));
    BenchWindowSystem::MakeDesktop(windows);
    const std::int32_t groupSize = BenchWindowSystem::GroupSize();
    while (state.KeepRunning()) {
        Module1::CaptureWindowGroup(BenchWindowSystem::Target);
        benchmark::DoNotOptimize(Module1::WindowList.data());
        benchmark::ClobberMemory();
    }
    if (!IsGroup(groupSize)) {
        state.SkipWithError("the captured group is not the desktop's group");
    }
    SetWindowCounters(state, windows);
}

void BM_HideWindowGroup(benchmark::State& state) {
    const auto windows = static_cast<std::int32_t>(state.range(0));
    BenchWindowSystem::MakeDesktop(windows);
    const std::int32_t groupSize = BenchWindowSystem::GroupSize();
    Module1::CaptureWindowGroup(BenchWindowSystem::Target);
    const std::int32_t hiddenBefore = BenchWindowSystem::HiddenCount();
    while (state.KeepRunning()) {
        Module1::HideWindowGroup();
        benchmark::ClobberMemory();
    }
    // Every window of the group, and nothing else, went from visible to hidden.
    const auto hidden = static_cast<std::size_t>(BenchWindowSystem::HiddenCount() - hiddenBefore);
    if (!IsGroup(groupSize) || hidden != Module1::WindowList.size()) {
        state.SkipWithError("the hide missed windows of the group or hid others");
    }
    SetWindowCounters(state, windows);
}

} // namespace

BENCHMARK(BM_CaptureWindowGroup)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HideWindowGroup)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
