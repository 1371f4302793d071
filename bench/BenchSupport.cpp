#include "BenchSupport.h"
#include "tests/harness/ProcessInput.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace Bench {

namespace {

using NtDelayExecutionFunction = LONG(WINAPI*)(BOOLEAN, const LARGE_INTEGER*);

std::wstring ExeDirectory() {
    std::wstring path(MAX_PATH, L'\0');
    const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), MAX_PATH);
    path.resize(length);
    return path.substr(0, path.find_last_of(L"\\/"));
}

// The programs started and not yet stopped, ended at exit so that a failed run leaves nothing
// behind in the Wine desktop.
std::vector<HANDLE> Running;

void EndRunning() {
    for (HANDLE process : Running) {
        ::TerminateProcess(process, 1);
        ::WaitForSingleObject(process, 5000);
    }
    Running.clear();
}

} // namespace

double NowMs() {
    static const double ticksPerMs = [] {
        LARGE_INTEGER frequency{};
        ::QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER now{};
    ::QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / ticksPerMs;
}

void PollPause() {
    static const auto delay = reinterpret_cast<NtDelayExecutionFunction>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "NtDelayExecution")));
    if (delay == nullptr) {
        ::Sleep(1);
        return;
    }
    LARGE_INTEGER interval{};
    interval.QuadPart = -1000; // relative, in 100 ns units: 0.1 ms
    delay(FALSE, &interval);
}

std::wstring TessivarPath() {
    return ExeDirectory() + L"\\..\\Tessivar.exe";
}

std::wstring BenchProgramPath(const wchar_t* name) {
    return ExeDirectory() + L"\\" + name;
}

std::wstring TargetPath() {
    return ExeDirectory() + L"\\..\\tests\\TargetWindows.exe";
}

Program Start(const std::wstring& exe, const std::vector<std::wstring>& arguments) {
    PROCESS_INFORMATION info{};
    if (!ProcessInput::StartProcess(exe, arguments, info)) {
        std::fprintf(stderr, "bench: cannot start %ls (error %lu)\n", exe.c_str(),
                     ::GetLastError());
        std::exit(2);
    }
    static const bool endAtExit = std::atexit(EndRunning) == 0;
    static_cast<void>(endAtExit);
    Running.push_back(info.hProcess);
    return {info.hProcess, info.dwProcessId, info.dwThreadId};
}

void Stop(Program& program, HWND window) {
    if (program.Process == nullptr) {
        return;
    }
    if (window != nullptr) {
        ::PostMessageW(window, WM_CLOSE, 0, 0);
    }
    if (window == nullptr || ::WaitForSingleObject(program.Process, 5000) != WAIT_OBJECT_0) {
        ::TerminateProcess(program.Process, 1);
        ::WaitForSingleObject(program.Process, 5000);
    }
    Running.erase(std::remove(Running.begin(), Running.end(), program.Process), Running.end());
    ::CloseHandle(program.Process);
    program = {};
}

bool WaitFor(const std::function<bool()>& condition, double timeoutMs) {
    const double deadline = NowMs() + timeoutMs;
    while (!condition()) {
        if (NowMs() > deadline) {
            return false;
        }
        PollPause();
    }
    return true;
}

HWND FocusOf(const Program& program) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!::GetGUIThreadInfo(program.ThreadId, &info)) {
        return nullptr;
    }
    return info.hwndFocus;
}

HWND WaitForFocusedWindow(const Program& program, double timeoutMs) {
    HWND window = nullptr;
    WaitFor(
        [&] {
            HWND focus = FocusOf(program);
            if (focus == nullptr || !::IsWindowVisible(focus)) {
                return false;
            }
            window = ::GetAncestor(focus, GA_ROOT);
            return true;
        },
        timeoutMs);
    return window;
}

double Median(std::vector<double> values) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void JitterPause() {
    static unsigned state = ::GetTickCount() | 1U;
    state = state * 1103515245U + 12345U;
    const double until = NowMs() + static_cast<double>((state >> 16U) % 2000U) / 100.0;
    WaitFor([&] { return NowMs() >= until; });
}

void Report(const std::string& name, double measured, double baseline, const std::string& what,
            const std::string& measuredText, const std::string& baselineText) {
    std::printf("ROW\t%s\t%.2fx\t%s\t%s\t%s\n", name.c_str(),
                baseline > 0 ? measured / baseline : 0.0, what.c_str(), measuredText.c_str(),
                baselineText.c_str());
    std::fflush(stdout);
}

void Note(const std::string& text) {
    std::printf("NOTE\t%s\n", text.c_str());
    std::fflush(stdout);
}

void Release(const std::string& text) {
    std::printf("RELEASE\t%s\n", text.c_str());
    std::fflush(stdout);
}

std::string Ms(double milliseconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f ms", milliseconds);
    return text;
}

} // namespace Bench
