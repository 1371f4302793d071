// The bench driver: runs under Wine beside the programs it measures and prints one line per
// figure for tools/bench.sh. Usage: BenchDriver startup RUNS |
// groups RUNS SIZE... | hotkey RUNS POPUPS
#include "BenchRows.h"

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

int wmain(int argc, wchar_t** argv) {
    const std::vector<std::wstring> args(argv + 1, argv + argc);
    const auto number = [&](std::size_t index) {
        return index < args.size() ? static_cast<int>(std::wcstol(args[index].c_str(), nullptr, 10))
                                   : 0;
    };
    const std::wstring mode = args.empty() ? L"" : args[0];
    if (mode == L"startup" && number(1) > 0) {
        Bench::RunStartup(number(1));
    } else if (mode == L"groups" && number(1) > 0 && args.size() > 2) {
        std::vector<int> sizes;
        for (std::size_t index = 2; index < args.size(); ++index) {
            sizes.push_back(number(index));
        }
        Bench::RunGroups(number(1), sizes.data(), static_cast<int>(sizes.size()));
    } else if (mode == L"hotkey" && number(1) > 0 && number(2) > 0) {
        Bench::RunHotkey(number(1), number(2));
    } else {
        std::fprintf(stderr, "usage: BenchDriver startup RUNS | "
                             "groups RUNS SIZE... | hotkey RUNS POPUPS\n");
        return 1;
    }
    return 0;
}
