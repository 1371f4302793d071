#include "ReliabilityFixture.h"

namespace Reliability {

const wchar_t ProbeTitle[] = L"可靠性 探针";

namespace {

constexpr wchar_t TargetClass[] = L"Tessivar.TestTarget";
constexpr wchar_t BystanderTitle[] = L"可靠性 旁观者";

std::wstring RowLetter(int row) {
    return {static_cast<wchar_t>(L'A' + row - 1)};
}

} // namespace

std::string Utf8(const std::wstring& text) {
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), size,
                          nullptr, nullptr);
    return utf8;
}

std::wstring HideCaption(int row) {
    return L"隐藏(&" + RowLetter(row) + L")";
}

std::wstring ShowCaption(int row) {
    return L"显示(&" + RowLetter(row) + L")";
}

bool Press(HWND button) {
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_NORMAL, 10000, &result) != 0;
}

bool SetText(HWND box, const std::wstring& text) {
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                                 SMTO_NORMAL, 10000, &result) != 0 &&
           result == TRUE;
}

std::vector<HWND> TargetWindowsOf(const Driver::Process& process) {
    struct Search {
        DWORD Id;
        std::vector<HWND> Found;
    } search{process.Id, {}};
    ::EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            auto* s = reinterpret_cast<Search*>(context);
            DWORD owner = 0;
            ::GetWindowThreadProcessId(window, &owner);
            wchar_t className[64] = {};
            ::GetClassNameW(window, className, 64);
            if (owner == s->Id && std::wstring(className) == TargetClass) {
                s->Found.push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

Driver::Process& Fixture::StartTargets(const std::vector<std::wstring>& options,
                                       const std::wstring& waitTitle) {
    targets.push_back(Driver::StartTarget(options, waitTitle));
    return targets.back();
}

void Fixture::StartPanel(const std::vector<std::wstring>& extraBystanders) {
    // Shown and hidden, top-level and owned: none of them is named by any row.
    std::vector<std::wstring> options = {L"--top",
                                         BystanderTitle,
                                         L"--popup",
                                         std::wstring(BystanderTitle) + L" 附属",
                                         BystanderTitle,
                                         L"--owned",
                                         std::wstring(BystanderTitle) + L" 从属",
                                         BystanderTitle,
                                         L"--hidden-top",
                                         std::wstring(BystanderTitle) + L" 隐藏",
                                         L"--hidden-popup",
                                         std::wstring(BystanderTitle) + L" 隐藏附属",
                                         BystanderTitle,
                                         L"--top",
                                         ProbeTitle};
    options.insert(options.end(), extraBystanders.begin(), extraBystanders.end());
    bystanders = Driver::StartTarget(options, ProbeTitle);
    panel = Driver::StartPanel();
    ASSERT_NE(panel.Window, nullptr);
    bystanderVisibility.clear();
    for (HWND window : TargetWindowsOf(bystanders)) {
        bystanderVisibility.emplace_back(window, ::IsWindowVisible(window) != FALSE);
    }
    ASSERT_GE(bystanderVisibility.size(), 6u + extraBystanders.size() / 2);
}

void Fixture::TypeTitle(int row, const std::wstring& title) {
    ASSERT_TRUE(Driver::Activate(panel.Window));
    Driver::TypeInto(panel.Text(row), title);
    ASSERT_EQ(Driver::GetText(panel.Text(row)), title) << "the title box lost typed text";
}

bool Fixture::RowReads(int row, const std::wstring& caption) const {
    return Driver::GetText(panel.Command(row)) == caption;
}

bool Fixture::PressHotkey(WORD key, const std::function<bool()>& reacted) {
    // Under Wine a key that SendInput puts down is now and then not seen by the poller at all
    // (most often the first F11 after an F10): the key is down but its "pressed since the
    // last query" bit is already gone, so the poller rightly takes it for a held key. Such a
    // press did nothing, so it is given again; a press the panel did see is never repeated,
    // because the reaction is checked again once the key is up.
    for (int attempt = 0; attempt < 20; ++attempt) {
        Driver::KeyDown(key);
        const bool seen = Driver::WaitFor(reacted, 250);
        Driver::KeyUp(key);
        if (key == VK_F10) {
            // A window in front that takes F10 for its menu key leaves menu mode again.
            Driver::PressKey(VK_ESCAPE);
        }
        if (seen || Driver::WaitFor(reacted, 100)) {
            return true;
        }
        ++repeatedKeyPresses;
    }
    return false;
}

bool Fixture::HidePanelWithF11() {
    return PressHotkey(VK_F11, [&] { return ::IsWindowVisible(panel.Window) == FALSE; });
}

bool Fixture::ShowPanelWithF10() {
    return PressHotkey(VK_F10, [&] { return ::IsWindowVisible(panel.Window) != FALSE; });
}

void Fixture::ExpectPanelResponds(int row) {
    ASSERT_TRUE(Driver::IsRunning(panel.Process)) << "the panel process ended";
    HWND probe = Driver::FindTopLevel(ProbeTitle);
    ASSERT_NE(probe, nullptr);
    ASSERT_TRUE(RowInHideState(row));
    ASSERT_TRUE(SetText(panel.Text(row), ProbeTitle));
    ASSERT_TRUE(Press(panel.Command(row)));
    EXPECT_TRUE(RowInShowState(row));
    EXPECT_TRUE(Driver::WaitForVisibility(probe, false));
    ASSERT_TRUE(Press(panel.Command(row)));
    EXPECT_TRUE(RowInHideState(row));
    EXPECT_TRUE(Driver::WaitForVisibility(probe, true));
    EXPECT_TRUE(HidePanelWithF11()) << "F11 did not hide the panel";
    EXPECT_TRUE(ShowPanelWithF10()) << "F10 did not show the panel";
}

void Fixture::ExpectBystandersUnchanged() const {
    for (const auto& [window, visible] : bystanderVisibility) {
        EXPECT_TRUE(Driver::WaitForVisibility(window, visible, 1000))
            << "bystander \"" << Utf8(Driver::GetText(window)) << "\" changed its visibility";
    }
}

void Fixture::TearDown() {
    if (panel.Process.Handle != nullptr) {
        if (!HasFatalFailure()) {
            ExpectBystandersUnchanged();
        }
        EXPECT_TRUE(Driver::IsRunning(panel.Process)) << "the panel process ended";
        EXPECT_TRUE(Driver::ClosePanel(panel)) << "the panel did not close";
    }
    Driver::Kill(panel.Process);
    for (Driver::Process& target : targets) {
        Driver::Kill(target);
    }
    Driver::Kill(bystanders);
}

} // namespace Reliability
