// The batch toggle through Command9, Alt+I and F9: rows in order over the one window list,
// stopping at the first row whose title names no window.
#include "PanelTest.h"

#include <algorithm>

namespace {

using E2e::HideCaption;
using E2e::PanelTest;
using E2e::ShowCaption;

enum class Trigger { ClickCommand9, AltI, F9 };

// Runs the batch as the user would and waits until done() holds.
bool RunBatch(const Driver::Panel& panel, Trigger trigger, const std::function<bool()>& done) {
    switch (trigger) {
    case Trigger::ClickCommand9:
        Driver::Click(panel.Command(9));
        break;
    case Trigger::AltI:
        E2e::PressAltOn(panel, 'I');
        break;
    case Trigger::F9:
        return E2e::HoldKeyUntil(panel, VK_F9, done);
    }
    return Driver::WaitFor(done);
}

struct StopCase {
    const char* Name;
    Trigger How;
    std::wstring StopTitle; // row 3's title, which names no window
};

class BatchStopTest : public PanelTest, public ::testing::WithParamInterface<StopCase> {};

// Rows 1, 2 and 4 name windows, row 3 does not: rows 1 and 2 are hidden, rows 3 and 4 untouched.
// An untitled window is around, so an empty title that found it would show.
TEST_P(BatchStopTest, StopsAtTheFirstRowThatNamesNoWindow) {
    const Driver::Process& targets = OpenTargets(
        {L"--top", L"", L"--top", L"批 1", L"--top", L"批 2", L"--top", L"批 4"}, L"批 4");
    const HWND first = Window(L"批 1");
    const HWND second = Window(L"批 2");
    const HWND fourth = Window(L"批 4");
    HWND untitled = nullptr;
    for (HWND window : Driver::FindAllTopLevel(L"")) {
        DWORD owner = 0;
        ::GetWindowThreadProcessId(window, &owner);
        untitled = owner == targets.Id ? window : untitled;
    }
    ASSERT_NE(untitled, nullptr);
    Driver::Panel& panel = OpenPanel();
    ASSERT_NE(panel.Window, nullptr);
    TypeTitles(panel, {L"批 1", L"批 2", GetParam().StopTitle, L"批 4"});

    // Command2's caption is read once the batch, one handler, has finished.
    ASSERT_TRUE(RunBatch(panel, GetParam().How,
                         [&] { return Driver::GetText(panel.Command(2)) == ShowCaption(2); }));
    EXPECT_EQ(Driver::GetText(panel.Command(1)), ShowCaption(1));
    EXPECT_EQ(Driver::GetText(panel.Command(3)), HideCaption(3));
    EXPECT_EQ(Driver::GetText(panel.Command(4)), HideCaption(4));
    EXPECT_TRUE(Driver::WaitForVisibility(first, false));
    EXPECT_TRUE(Driver::WaitForVisibility(second, false));
    ASSERT_TRUE(Driver::RoundTrip(fourth)); // a hide sent by the batch would be handled by now
    EXPECT_TRUE(::IsWindowVisible(fourth));
    EXPECT_TRUE(::IsWindowVisible(untitled));
}

INSTANTIATE_TEST_SUITE_P(Batch, BatchStopTest,
                         ::testing::Values(StopCase{"Command9", Trigger::ClickCommand9, L"批 无"},
                                           StopCase{"AltI", Trigger::AltI, L"批 无"},
                                           StopCase{"F9", Trigger::F9, L"批 无"},
                                           StopCase{"EmptyTitle", Trigger::ClickCommand9, L""}),
                         [](const ::testing::TestParamInfo<StopCase>& param) {
                             return std::string(param.param.Name);
                         });

// All eight rows found: the first run hides eight groups; the second shows the list, row 8's
// group, eight times, so the windows of rows 1 to 7 stay hidden.
TEST_F(PanelTest, BatchTwiceOverEightRowsLeavesOnlyRow8Shown) {
    std::vector<std::wstring> options;
    std::vector<std::wstring> titles;
    for (int row = 1; row <= 8; ++row) {
        titles.push_back(L"全 " + std::to_wstring(row));
        options.insert(options.end(), {L"--top", titles.back()});
    }
    OpenTargets(options, titles.back());
    std::vector<HWND> windows(titles.size());
    std::transform(titles.begin(), titles.end(), windows.begin(), &PanelTest::Window);
    Driver::Panel& panel = OpenPanel();
    ASSERT_NE(panel.Window, nullptr);
    TypeTitles(panel, titles);

    ASSERT_TRUE(RunBatch(panel, Trigger::AltI,
                         [&] { return Driver::GetText(panel.Command(8)) == ShowCaption(8); }));
    for (int row = 1; row <= 8; ++row) {
        EXPECT_EQ(Driver::GetText(panel.Command(row)), ShowCaption(row)) << "row " << row;
        EXPECT_TRUE(E2e::WaitVisible(windows[static_cast<std::size_t>(row - 1)], false))
            << "row " << row;
    }

    ASSERT_TRUE(RunBatch(panel, Trigger::AltI,
                         [&] { return Driver::GetText(panel.Command(8)) == HideCaption(8); }));
    EXPECT_TRUE(E2e::WaitVisible(windows[7], true));
    for (int row = 1; row <= 7; ++row) {
        EXPECT_EQ(Driver::GetText(panel.Command(row)), HideCaption(row)) << "row " << row;
        EXPECT_FALSE(::IsWindowVisible(windows[static_cast<std::size_t>(row - 1)]))
            << "row " << row;
    }
}

// Row 2 is in the show state from an earlier press: the batch hides row 1's group and shows it
// again at row 2's turn, and the group that row 2 hid stays hidden.
TEST_F(PanelTest, BatchShowsTheListAtAShowStateRowsTurn) {
    OpenTargets({L"--top", L"轮 甲", L"--top", L"轮 乙"}, L"轮 乙");
    const HWND a = Window(L"轮 甲");
    const HWND b = Window(L"轮 乙");
    Driver::Panel& panel = OpenPanel();
    ASSERT_NE(panel.Window, nullptr);
    TypeTitles(panel, {L"轮 甲", L"轮 乙"}); // row 3 empty: the batch stops there
    E2e::PressAltOn(panel, 'B');
    ASSERT_TRUE(E2e::WaitVisible(b, false));
    ASSERT_TRUE(E2e::WaitForText(panel.Command(2), ShowCaption(2)));

    ASSERT_TRUE(RunBatch(panel, Trigger::ClickCommand9,
                         [&] { return Driver::GetText(panel.Command(2)) == HideCaption(2); }));
    EXPECT_EQ(Driver::GetText(panel.Command(1)), ShowCaption(1));
    EXPECT_EQ(Driver::GetText(panel.Command(3)), HideCaption(3));
    ASSERT_TRUE(Driver::RoundTrip(a)); // the hide and the show of row 1's group are handled
    EXPECT_TRUE(::IsWindowVisible(a));
    EXPECT_FALSE(::IsWindowVisible(b));
}

} // namespace
