// The global keys: F11 hides the panel, F10 shows it, F9 runs the batch; each once per press,
// from anywhere, without taking the key away from the application that has the focus.
#include "PanelTest.h"

namespace {

using E2e::HideCaption;
using E2e::PanelTest;
using E2e::ShowCaption;

TEST_F(PanelTest, F11HidesAndF10ShowsThePanelWithItsTextsKept) {
    OpenTargets({L"--top", L"热 目标"}, L"热 目标");
    const HWND target = Window(L"热 目标");
    Driver::Panel& panel = OpenPanel();
    ASSERT_NE(panel.Window, nullptr);
    TypeTitles(panel, {L"热 目标", L"随便 标题"});
    E2e::PressAltOn(panel, 'A');
    ASSERT_TRUE(E2e::WaitVisible(target, false));
    ASSERT_TRUE(E2e::WaitForText(panel.Command(1), ShowCaption(1)));

    EXPECT_TRUE(E2e::HoldKeyUntil(panel, VK_F11, [&] { return !::IsWindowVisible(panel.Window); }));
    EXPECT_TRUE(E2e::HoldKeyUntil(panel, VK_F10, [&] { return ::IsWindowVisible(panel.Window); }));

    EXPECT_EQ(Driver::GetText(panel.Text(1)), L"热 目标");
    EXPECT_EQ(Driver::GetText(panel.Text(2)), L"随便 标题");
    EXPECT_EQ(Driver::GetText(panel.Command(1)), ShowCaption(1));
    EXPECT_EQ(Driver::GetText(panel.Command(2)), HideCaption(2));
    EXPECT_FALSE(::IsWindowVisible(target));
}

TEST_F(PanelTest, F9WhileThePanelIsHiddenTogglesItsRows) {
    OpenTargets({L"--top", L"藏 目标"}, L"藏 目标");
    const HWND target = Window(L"藏 目标");
    Driver::Panel& panel = OpenPanel();
    ASSERT_NE(panel.Window, nullptr);
    TypeTitles(panel, {L"藏 目标"});
    ASSERT_TRUE(E2e::HoldKeyUntil(panel, VK_F11, [&] { return !::IsWindowVisible(panel.Window); }));

    EXPECT_TRUE(E2e::HoldKeyUntil(
        panel, VK_F9, [&] { return Driver::GetText(panel.Command(1)) == ShowCaption(1); }));
    EXPECT_TRUE(E2e::WaitVisible(target, false));
    EXPECT_FALSE(::IsWindowVisible(panel.Window));

    EXPECT_TRUE(E2e::HoldKeyUntil(
        panel, VK_F9, [&] { return Driver::GetText(panel.Command(1)) == HideCaption(1); }));
    EXPECT_TRUE(E2e::WaitVisible(target, true));
    EXPECT_FALSE(::IsWindowVisible(panel.Window));
}

// A held key reads as down, not as pressed again, so it acts on the first poll only: while F11
// is held, a panel shown again (here by the test, without activating it) stays shown; while F9
// is held, the batch runs once. Wine drops held keys when the activation or the window under
// the pointer changes, so another window stays in front, the pointer is parked, and an attempt
// counts only if the keys were still down at its end (the sentinel is still down).
TEST_F(PanelTest, AHeldKeyActsOnce) {
    OpenTargets({L"--top", L"按住 前台", L"--top", L"按住 目标"}, L"按住 目标");
    const HWND front = Window(L"按住 前台");
    const HWND target = Window(L"按住 目标");
    Driver::Panel& panel = OpenPanel();
    ASSERT_NE(panel.Window, nullptr);
    TypeTitles(panel, {L"按住 目标"});
    ASSERT_TRUE(Driver::Activate(front));
    E2e::ParkPointer();
    constexpr DWORD ManyTicks = 500; // fifty polls
    const auto panelVisible = [&] { return ::IsWindowVisible(panel.Window) != FALSE; };

    bool checked = false;
    for (int attempt = 0; attempt < 4 && !checked; ++attempt) {
        Driver::KeyDown(E2e::SentinelKey);
        Driver::KeyDown(VK_F11);
        const bool hidden = Driver::WaitFor([&] { return !panelVisible(); }, 2000);
        ::ShowWindowAsync(panel.Window, SW_SHOWNA);
        const bool shown = Driver::WaitFor(panelVisible, 2000);
        const bool hiddenAgain = Driver::WaitFor([&] { return !panelVisible(); }, ManyTicks);
        checked = E2e::SentinelDown();
        Driver::KeyUp(VK_F11);
        Driver::KeyUp(E2e::SentinelKey);
        if (checked) {
            EXPECT_TRUE(hidden);
            EXPECT_TRUE(shown);
            EXPECT_FALSE(hiddenAgain) << "the held F11 acted again";
        }
        ::ShowWindowAsync(panel.Window, SW_SHOWNA);
        ASSERT_TRUE(Driver::WaitFor(panelVisible));
    }
    EXPECT_TRUE(checked) << "Wine did not keep F11 down long enough";

    checked = false;
    for (int attempt = 0; attempt < 4 && !checked; ++attempt) {
        const std::wstring before = Driver::GetText(panel.Command(1));
        Driver::KeyDown(E2e::SentinelKey);
        Driver::KeyDown(VK_F9);
        const bool ran =
            Driver::WaitFor([&] { return Driver::GetText(panel.Command(1)) != before; }, 2000);
        const bool ranAgain =
            Driver::WaitFor([&] { return Driver::GetText(panel.Command(1)) == before; }, ManyTicks);
        checked = E2e::SentinelDown();
        Driver::KeyUp(VK_F9);
        Driver::KeyUp(E2e::SentinelKey);
        if (checked) {
            EXPECT_TRUE(ran);
            EXPECT_FALSE(ranAgain) << "the held F9 ran the batch again";
        }
    }
    EXPECT_TRUE(checked) << "Wine did not keep F9 down long enough";
    const bool rowHidden = Driver::GetText(panel.Command(1)) == ShowCaption(1);
    EXPECT_TRUE(E2e::WaitVisible(target, !rowHidden));
}

// The keys are polled, not taken: the application in the foreground receives them as well.
TEST_F(PanelTest, KeysStillReachTheFocusedApplication) {
    const Driver::Process& targets =
        OpenTargets({L"--top", L"焦点 应用", L"--top", L"焦点 隐藏对象"}, L"焦点 隐藏对象");
    const HWND focused = Window(L"焦点 应用");
    const HWND hidden = Window(L"焦点 隐藏对象");
    Driver::Panel& panel = OpenPanel();
    ASSERT_NE(panel.Window, nullptr);
    TypeTitles(panel, {L"焦点 隐藏对象"});
    ASSERT_TRUE(Driver::Activate(focused));

    EXPECT_TRUE(E2e::HoldKeyUntil(
        panel, VK_F9, [&] { return Driver::GetText(panel.Command(1)) == ShowCaption(1); }));
    EXPECT_TRUE(Driver::WaitForVisibility(hidden, false));
    EXPECT_TRUE(Driver::WaitFor([&] { return Driver::TargetGotKey(targets, VK_F9); }));

    EXPECT_TRUE(E2e::HoldKeyUntil(panel, VK_F11, [&] { return !::IsWindowVisible(panel.Window); }));
    EXPECT_TRUE(Driver::WaitFor([&] { return Driver::TargetGotKey(targets, VK_F11); }));

    EXPECT_TRUE(E2e::HoldKeyUntil(panel, VK_F10, [&] { return ::IsWindowVisible(panel.Window); }));
    EXPECT_TRUE(Driver::WaitFor([&] { return Driver::TargetGotKey(targets, VK_F10); }));
}

} // namespace
