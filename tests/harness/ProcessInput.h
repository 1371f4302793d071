// Small Win32 helpers shared by the Wine test driver and the benchmark driver: starting a
// program with its command line, and one synthetic key event.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>
#include <vector>

namespace ProcessInput {

// One argument in double quotes, with embedded quotes escaped, as CommandLineToArgvW reads it.
inline std::wstring Quote(const std::wstring& argument) {
    std::wstring quoted = L"\"";
    for (wchar_t c : argument) {
        if (c == L'"') {
            quoted += L'\\';
        }
        quoted += c;
    }
    return quoted + L"\"";
}

inline std::wstring CommandLine(const std::wstring& exe,
                                const std::vector<std::wstring>& arguments) {
    std::wstring commandLine = Quote(exe);
    for (const std::wstring& argument : arguments) {
        commandLine += L" " + Quote(argument);
    }
    return commandLine;
}

// Starts exe with the arguments. On success info holds the process handle and the ids; the
// thread handle is already closed.
inline bool StartProcess(const std::wstring& exe, const std::vector<std::wstring>& arguments,
                         PROCESS_INFORMATION& info) {
    std::wstring commandLine = CommandLine(exe, arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    info = {};
    if (!::CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          nullptr, &startup, &info)) {
        return false;
    }
    ::CloseHandle(info.hThread);
    info.hThread = nullptr;
    return true;
}

inline void SendKey(WORD virtualKey, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    ::SendInput(1, &input, sizeof input);
}

} // namespace ProcessInput
