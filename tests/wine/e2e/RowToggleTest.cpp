// The row toggle as the user drives it: access keys in both caption states, the one window list
// that every row shows from, titles that name no window, and a target that stopped responding.
#include "PanelTest.h"

namespace {

using E2e::HideCaption;
using E2e::PanelTest;
using E2e::ShowCaption;

WORD Letter(int row) {
    return static_cast<WORD>('A' + row - 1);
}

// The window of the given process with exactly this title.
HWND WindowOf(const Driver::Process& process, const std::wstring& title) {
    for (HWND window : Driver::FindAllTopLevel(title)) {
        DWORD owner = 0;
        ::GetWindowThreadProcessId(window, &owner);
        if (owner == process.Id) {
            return window;
        }
    }
    return nullptr;
}

TEST_F(PanelTest, AccessKeysPressEveryRowInBothStates) {
    std::vector<std::wstring> options;
    std::vector<std::wstring> titles;
    for (int row = 1; row <= 8; ++row) {
        titles.push_back(L"键 " + std::to_wstring(row));
        options.insert(options.end(), {L"--top", titles.back()});
    }
    OpenTargets(options, titles.back());
    Driver::Panel& panel = OpenPanel();
    ASSERT_NE(panel.Window, nullptr);
    TypeTitles(panel, titles);

    for (int row = 1; row <= 8; ++row) {
        SCOPED_TRACE("row " + std::to_string(row));
        const HWND target = Window(titles[static_cast<std::size_t>(row - 1)]);
        E2e::PressAltOn(panel, Letter(row));
        EXPECT_TRUE(E2e::WaitVisible(target, false));
        EXPECT_TRUE(E2e::WaitForText(panel.Command(row), ShowCaption(row)));
        E2e::PressAltOn(panel, Letter(row));
        EXPECT_TRUE(E2e::WaitVisible(target, true));
        EXPECT_TRUE(E2e::WaitForText(panel.Command(row), HideCaption(row)));
    }
}

// Row 1 hides A, row 2 hides B; row 1's show press then shows B's group, the one captured last.
TEST_F(PanelTest, EveryRowShowsTheGroupCapturedLast) {
    OpenTargets(
        {L"--top", L"共享 甲", L"--top", L"共享 乙", L"--popup", L"共享 乙 附属", L"共享 乙"},
        L"共享 乙 附属");
    const HWND a = Window(L"共享 甲");
    const HWND b = Window(L"共享 乙");
    const HWND bPopup = Window(L"共享 乙 附属");
    Driver::Panel& panel = OpenPanel();
    ASSERT_NE(panel.Window, nullptr);
    TypeTitles(panel, {L"共享 甲", L"共享 乙"});

    E2e::PressAltOn(panel, 'A');
    ASSERT_TRUE(E2e::WaitVisible(a, false));
    E2e::PressAltOn(panel, 'B');
    ASSERT_TRUE(E2e::WaitVisible(b, false));
    ASSERT_TRUE(E2e::WaitVisible(bPopup, false));

    E2e::PressAltOn(panel, 'A');
    EXPECT_TRUE(E2e::WaitVisible(b, true));
    EXPECT_TRUE(E2e::WaitVisible(bPopup, true));
    EXPECT_TRUE(E2e::WaitForText(panel.Command(1), HideCaption(1)));
    EXPECT_EQ(Driver::GetText(panel.Command(2)), ShowCaption(2));
    ASSERT_TRUE(Driver::RoundTrip(a));
    EXPECT_FALSE(::IsWindowVisible(a)) << "row 1's own window came back";

    E2e::PressAltOn(panel, 'B');
    EXPECT_TRUE(E2e::WaitForText(panel.Command(2), HideCaption(2)));
    ASSERT_TRUE(Driver::RoundTrip(a));
    EXPECT_FALSE(::IsWindowVisible(a));
    EXPECT_TRUE(::IsWindowVisible(b));
}

// Titles that must name no window, each next to a window that a careless lookup would find:
// an untitled window for the empty title, and the window titled with what the ANSI code page
// (936 here) would turn an unrepresentable title into.
struct UnfoundTitle {
    const char* Name;
    std::wstring Title;
    std::wstring LookAlike;
};

class UnfoundTitleTest : public PanelTest, public ::testing::WithParamInterface<UnfoundTitle> {};

TEST_P(UnfoundTitleTest, PressChangesNothing) {
    const UnfoundTitle& unfound = GetParam();
    const Driver::Process& targets =
        OpenTargets({L"--top", unfound.LookAlike, L"--top", L"旁观 窗口"}, L"旁观 窗口");
    const HWND lookAlike = WindowOf(targets, unfound.LookAlike);
    ASSERT_NE(lookAlike, nullptr);
    Driver::Panel& panel = OpenPanel();
    ASSERT_NE(panel.Window, nullptr);
    TypeTitles(panel, {unfound.Title});

    E2e::PressAltOn(panel, 'A');
    E2e::SettleInput(panel);

    EXPECT_EQ(Driver::GetText(panel.Command(1)), HideCaption(1));
    ASSERT_TRUE(Driver::RoundTrip(lookAlike));
    EXPECT_TRUE(::IsWindowVisible(lookAlike)) << "the look-alike window was hidden";
}

INSTANTIATE_TEST_SUITE_P(
    Titles, UnfoundTitleTest,
    ::testing::Values(UnfoundTitle{"Empty", L"", L""},
                      UnfoundTitle{"Emoji", L"\U0001F600窗口", L"??窗口"},
                      UnfoundTitle{"Umlaut", L"\u00D6窗口", L"?窗口"},
                      // 936 maps U+0100 to U+0101 by best fit
                      UnfoundTitle{"BestFitLetter", L"\u0100窗口", L"\u0101窗口"},
                      UnfoundTitle{"NoSuchWindow", L"没有这个窗口", L"没有这个窗口吧"}),
    [](const ::testing::TestParamInfo<UnfoundTitle>& param) {
        return std::string(param.param.Name);
    });

// The hide reaches the target without waiting for it, so the panel stays usable while the
// target is stalled, and the target hides once it pumps messages again.
TEST_F(PanelTest, PanelStaysResponsiveWhileTheTargetIsStalled) {
    OpenTargets({L"--top", L"停 目标", L"--popup", L"停 成员", L"停 目标"}, L"停 成员");
    const HWND target = Window(L"停 目标");
    const HWND member = Window(L"停 成员");
    Driver::Panel& panel = OpenPanel();
    ASSERT_NE(panel.Window, nullptr);
    TypeTitles(panel, {L"停 目标"});
    ASSERT_TRUE(Driver::StallTarget(target, 5000));

    E2e::PressAltOn(panel, 'A');
    EXPECT_TRUE(E2e::WaitForText(panel.Command(1), ShowCaption(1)));
    EXPECT_TRUE(E2e::HoldKeyUntil(panel, VK_F11, [&] { return !::IsWindowVisible(panel.Window); }));
    EXPECT_TRUE(E2e::HoldKeyUntil(panel, VK_F10, [&] { return ::IsWindowVisible(panel.Window); }));
    const bool targetVisible = ::IsWindowVisible(target) != FALSE;
    ASSERT_FALSE(Driver::RoundTrip(target, 50))
        << "the target woke up before the panel was done; nothing was shown";
    EXPECT_TRUE(targetVisible) << "the target was hidden while it could not pump messages";

    EXPECT_TRUE(Driver::WaitForVisibility(target, false, 15000));
    EXPECT_TRUE(Driver::WaitForVisibility(member, false, 15000));
}

} // namespace
