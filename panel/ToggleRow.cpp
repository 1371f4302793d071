#include "Form1.h"

#include "../window_groups/Module1.h"
#include "../window_groups/WindowSystem.h"

namespace Form1 {

namespace {

struct RowCaptions {
    std::u16string Hide;
    std::u16string Show;
};

const RowCaptions Captions[RowCount] = {
    {u"隐藏(&A)", u"显示(&A)"}, {u"隐藏(&B)", u"显示(&B)"}, {u"隐藏(&C)", u"显示(&C)"},
    {u"隐藏(&D)", u"显示(&D)"}, {u"隐藏(&E)", u"显示(&E)"}, {u"隐藏(&F)", u"显示(&F)"},
    {u"隐藏(&G)", u"显示(&G)"}, {u"隐藏(&H)", u"显示(&H)"},
};

// The longest title the window system compares whole: its string lengths are 16-bit byte
// counts, and a longer title is cut to this many characters before the comparison.
constexpr std::size_t LongestComparableTitle = 32766;

// The window a title names, or 0. An empty title, one with an embedded NUL, one too long to be
// compared whole and one that the ANSI code page cannot carry exactly name no window: looking
// them up would find some other window (an untitled one, a truncated title, a best-fit
// look-alike).
WindowSystem::WindowHandle FindTitledWindow(const std::u16string& title) {
    if (title.empty() || title.find(u'\0') != std::u16string::npos ||
        title.size() > LongestComparableTitle) {
        return 0;
    }
    std::vector<char> ansiTitle;
    if (!WindowSystem::WideCharToMultiByte(title, ansiTitle)) {
        return 0;
    }
    return WindowSystem::FindWindowA(ansiTitle.data());
}

} // namespace

const std::u16string& HideCaption(int row) {
    return Captions[row - 1].Hide;
}

const std::u16string& ShowCaption(int row) {
    return Captions[row - 1].Show;
}

bool ToggleRow(int row) {
    if (GetCommandCaption(row) == HideCaption(row)) {
        const WindowSystem::WindowHandle target = FindTitledWindow(GetTitleText(row));
        if (target == 0) {
            return false;
        }
        Module1::CaptureWindowGroup(target);
        Module1::HideWindowGroup();
        SetCommandCaption(row, ShowCaption(row));
        return true;
    }
    Module1::ShowWindowGroup();
    SetCommandCaption(row, HideCaption(row));
    return true;
}

void ToggleAllRows() {
    for (int row = 1; row <= RowCount; ++row) {
        if (!ToggleRow(row)) {
            return;
        }
    }
}

} // namespace Form1
