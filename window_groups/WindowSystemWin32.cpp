// The window-system layer over user32 and the code-page conversion of kernel32.
#include "WindowSystem.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <climits>
#include <cstdlib>

namespace WindowSystem {

namespace {

HWND ToHwnd(WindowHandle window) {
    // Sign extension restores the full handle on 64-bit Windows.
    return reinterpret_cast<HWND>(static_cast<INT_PTR>(window));
}

WindowHandle FromHwnd(HWND window) {
    return static_cast<WindowHandle>(reinterpret_cast<INT_PTR>(window));
}

struct EnumContext {
    EnumWindowsProc proc;
    std::int32_t parameter;
};

BOOL CALLBACK EnumWindowsThunk(HWND window, LPARAM context) {
    const auto* enumContext = reinterpret_cast<const EnumContext*>(context);
    return enumContext->proc(FromHwnd(window), enumContext->parameter) ? TRUE : FALSE;
}

} // namespace

bool WideCharToMultiByte(const std::u16string& text, std::vector<char>& ansi) {
    ansi.assign(1, '\0');
    if (text.empty()) {
        return true;
    }
    if (text.size() > static_cast<std::size_t>(INT_MAX)) {
        return false;
    }
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int wideLength = static_cast<int>(text.size());
    const UINT codePage = ::GetACP();
    // WC_NO_BEST_FIT_CHARS and the default-character report are not allowed for UTF-8, where
    // WC_ERR_INVALID_CHARS rejects what cannot be represented (unpaired surrogates).
    const bool utf8 = codePage == CP_UTF8;
    const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* usedDefaultOut = utf8 ? nullptr : &usedDefault;
    const int size = ::WideCharToMultiByte(codePage, flags, wide, wideLength, nullptr, 0, nullptr,
                                           usedDefaultOut);
    if (size <= 0 || usedDefault) {
        return false;
    }
    ansi.resize(static_cast<std::size_t>(size) + 1); // the last element stays the terminator
    const int written = ::WideCharToMultiByte(codePage, flags, wide, wideLength, ansi.data(), size,
                                              nullptr, usedDefaultOut);
    // The second call sets usedDefault again, through usedDefaultOut.
    // cppcheck-suppress knownConditionTrueFalse
    return written == size && usedDefault == FALSE;
}

WindowHandle FindWindowA(const char* windowName) {
    return FromHwnd(::FindWindowA(nullptr, windowName));
}

WindowHandle GetParent(WindowHandle window) {
    return FromHwnd(::GetParent(ToHwnd(window)));
}

void EnumWindows(EnumWindowsProc proc, std::int32_t parameter) {
    const EnumContext context{proc, parameter};
    ::EnumWindows(EnumWindowsThunk, reinterpret_cast<LPARAM>(&context));
}

bool IsWindowVisible(WindowHandle window) {
    return ::IsWindowVisible(ToHwnd(window)) != FALSE;
}

void ShowWindowAsync(WindowHandle window, int command) {
    ::ShowWindowAsync(ToHwnd(window), command);
}

std::int16_t GetAsyncKeyState(int virtualKey) {
    return static_cast<std::int16_t>(::GetAsyncKeyState(virtualKey));
}

void FatalAppExitA(const char* message) {
    ::FatalAppExitA(0, message);
    std::abort(); // not reached: FatalAppExitA ends the process
}

} // namespace WindowSystem
