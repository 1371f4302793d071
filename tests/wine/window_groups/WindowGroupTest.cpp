// Module1 over the real user32: capture, hide and show of window groups that another process
// (the test target program) owns.
#include "Driver.h"

#include "../../../window_groups/Module1.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Module1::WindowHandle;

WindowHandle HandleOf(HWND window) {
    return static_cast<WindowHandle>(reinterpret_cast<INT_PTR>(window));
}

HWND Find(const std::wstring& title) {
    HWND window = Driver::FindTopLevel(title);
    EXPECT_NE(window, nullptr) << "no window titled " << std::string(title.begin(), title.end());
    return window;
}

// The given windows in the order in which EnumWindows offers them.
std::vector<WindowHandle> InEnumOrder(const std::vector<HWND>& windows) {
    struct Context {
        const std::vector<HWND>* Wanted;
        std::vector<WindowHandle> Found;
    } context{&windows, {}};
    ::EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto* c = reinterpret_cast<Context*>(parameter);
            if (std::find(c->Wanted->begin(), c->Wanted->end(), window) != c->Wanted->end()) {
                c->Found.push_back(HandleOf(window));
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&context));
    return context.Found;
}

class WindowGroupTest : public ::testing::Test {
  protected:
    void TearDown() override { Driver::Kill(target_); }

    void StartTarget(const std::vector<std::wstring>& options, const std::wstring& waitTitle) {
        target_ = Driver::StartTarget(options, waitTitle);
    }

    Driver::Process target_;
};

// Target "组 目标" is a popup owned by "组 所有者", so its parent is that owner. Around it: a
// visible popup of the target (a member), an invisible one, a popup of the owner (a sibling of
// the target), a popup of the member (a grandchild) and an owned overlapped window, for which
// GetParent gives 0. Only the target, its parent and the visible popup form the group.
class RealGroupTest : public WindowGroupTest {
  protected:
    void SetUp() override {
        StartTarget({L"--top",   L"组 所有者", L"--popup", L"组 目标",        L"组 所有者",
                     L"--popup", L"组 成员",   L"组 目标", L"--hidden-popup", L"组 隐藏成员",
                     L"组 目标", L"--popup",   L"组 兄弟", L"组 所有者",      L"--popup",
                     L"组 孙",   L"组 成员",   L"--owned", L"组 重叠",        L"组 目标"},
                    L"组 重叠");
        owner_ = Find(L"组 所有者");
        target_window_ = Find(L"组 目标");
        member_ = Find(L"组 成员");
        hiddenMember_ = Find(L"组 隐藏成员");
        sibling_ = Find(L"组 兄弟");
        grandchild_ = Find(L"组 孙");
        overlapped_ = Find(L"组 重叠");
    }

    void ExpectOutsidersVisible() {
        EXPECT_TRUE(::IsWindowVisible(sibling_));
        EXPECT_TRUE(::IsWindowVisible(grandchild_));
        EXPECT_TRUE(::IsWindowVisible(overlapped_));
        EXPECT_FALSE(::IsWindowVisible(hiddenMember_));
    }

    HWND owner_ = nullptr, target_window_ = nullptr, member_ = nullptr, hiddenMember_ = nullptr;
    HWND sibling_ = nullptr, grandchild_ = nullptr, overlapped_ = nullptr;
};

TEST_F(RealGroupTest, CapturesTargetParentAndVisibleOwnedPopupsOnly) {
    ASSERT_EQ(::GetParent(overlapped_), nullptr); // why the overlapped window is no member

    Module1::CaptureWindowGroup(HandleOf(target_window_));

    const std::vector<WindowHandle> expected{HandleOf(target_window_), HandleOf(owner_),
                                             HandleOf(member_)};
    EXPECT_EQ(Module1::WindowList, expected);
    EXPECT_EQ(Module1::WindowCount, 2);
    EXPECT_EQ(Module1::ParentWindow, HandleOf(owner_));
}

TEST_F(RealGroupTest, HideAndShowActOnTheGroupOnly) {
    Module1::CaptureWindowGroup(HandleOf(target_window_));

    Module1::HideWindowGroup();
    for (HWND member : {target_window_, owner_, member_}) {
        EXPECT_TRUE(Driver::WaitForVisibility(member, false));
    }
    ASSERT_TRUE(Driver::RoundTrip(target_window_)); // any stray hide has been handled by now
    ExpectOutsidersVisible();

    Module1::ShowWindowGroup();
    for (HWND member : {target_window_, owner_, member_}) {
        EXPECT_TRUE(Driver::WaitForVisibility(member, true));
    }
    ASSERT_TRUE(Driver::RoundTrip(target_window_));
    ExpectOutsidersVisible(); // the invisible popup stays hidden after the show
}

TEST_F(RealGroupTest, RecaptureOfAHiddenGroupLeavesItsOwnedPopupsBehind) {
    Module1::CaptureWindowGroup(HandleOf(target_window_));
    Module1::HideWindowGroup();
    ASSERT_TRUE(Driver::WaitForVisibility(member_, false));
    ASSERT_TRUE(Driver::WaitForVisibility(target_window_, false));

    // The member is invisible now, so it is no longer part of the target's group.
    Module1::CaptureWindowGroup(HandleOf(target_window_));
    const std::vector<WindowHandle> expected{HandleOf(target_window_), HandleOf(owner_)};
    EXPECT_EQ(Module1::WindowList, expected);

    Module1::ShowWindowGroup();
    EXPECT_TRUE(Driver::WaitForVisibility(target_window_, true));
    EXPECT_TRUE(Driver::WaitForVisibility(owner_, true));
    ASSERT_TRUE(Driver::RoundTrip(target_window_));
    EXPECT_FALSE(::IsWindowVisible(member_));
}

TEST_F(WindowGroupTest, OwnedPopupsFollowInEnumerationOrder) {
    StartTarget({L"--top", L"多 目标", L"--popups", L"4", L"多 目标"}, L"多 目标 #4");
    const HWND target = Find(L"多 目标");
    std::vector<HWND> popups;
    for (int n = 1; n <= 4; ++n) {
        popups.push_back(Find(L"多 目标 #" + std::to_wstring(n)));
    }

    // The window manager may still be restacking the new popups for a moment after they are
    // shown: capture once their order has held for half a second.
    std::vector<WindowHandle> order = InEnumOrder(popups);
    for (int steady = 0, polls = 0; steady < 10 && polls < 200; ++polls) {
        ::Sleep(50);
        const std::vector<WindowHandle> now = InEnumOrder(popups);
        steady = now == order ? steady + 1 : 0;
        order = now;
    }
    Module1::CaptureWindowGroup(HandleOf(target));

    std::vector<WindowHandle> expected{HandleOf(target)};
    expected.insert(expected.end(), order.begin(), order.end());
    EXPECT_EQ(Module1::WindowList, expected);
    EXPECT_EQ(Module1::WindowCount, 4);
    EXPECT_EQ(Module1::ParentWindow, 0);
}

TEST_F(WindowGroupTest, ADestroyedWindowDoesNotStopTheWalk) {
    StartTarget({L"--top", L"毁 目标", L"--popups", L"3", L"毁 目标"}, L"毁 目标 #3");
    const HWND target = Find(L"毁 目标");
    Module1::CaptureWindowGroup(HandleOf(target));
    ASSERT_EQ(Module1::WindowList.size(), 4u);

    // Destroy the first popup in the list, so that live windows follow it.
    const std::vector<WindowHandle> group = Module1::WindowList;
    const HWND destroyed = reinterpret_cast<HWND>(static_cast<INT_PTR>(group[1]));
    ::PostMessageW(destroyed, WM_CLOSE, 0, 0);
    ASSERT_TRUE(Driver::WaitFor([&] { return !::IsWindow(destroyed); }));

    Module1::HideWindowGroup();
    for (std::size_t i : {0u, 2u, 3u}) {
        EXPECT_TRUE(Driver::WaitForVisibility(
            reinterpret_cast<HWND>(static_cast<INT_PTR>(group[i])), false))
            << "element " << i;
    }
    Module1::ShowWindowGroup();
    for (std::size_t i : {0u, 2u, 3u}) {
        EXPECT_TRUE(
            Driver::WaitForVisibility(reinterpret_cast<HWND>(static_cast<INT_PTR>(group[i])), true))
            << "element " << i;
    }
    EXPECT_EQ(Module1::WindowList, group);
}

// ShowWindowAsync returns without the target's help: while the target is not pumping
// messages the hide is still pending, and it takes effect once the target pumps again.
TEST_F(WindowGroupTest, HideReturnsWhileTheTargetIsStalled) {
    StartTarget({L"--top", L"卡 目标", L"--popup", L"卡 成员", L"卡 目标"}, L"卡 成员");
    const HWND target = Find(L"卡 目标");
    const HWND member = Find(L"卡 成员");
    ASSERT_TRUE(Driver::StallTarget(target, 4000));

    Module1::CaptureWindowGroup(HandleOf(target));
    Module1::HideWindowGroup();
    const bool visibleAfterCall =
        ::IsWindowVisible(target) != FALSE && ::IsWindowVisible(member) != FALSE;
    const bool stillStalled = !Driver::RoundTrip(target, 50);

    ASSERT_TRUE(stillStalled) << "the target woke up too early for this test to show anything";
    EXPECT_TRUE(visibleAfterCall) << "the hide was carried out before the target pumped again";
    EXPECT_TRUE(Driver::WaitForVisibility(target, false, 15000));
    EXPECT_TRUE(Driver::WaitForVisibility(member, false, 15000));
}

} // namespace
