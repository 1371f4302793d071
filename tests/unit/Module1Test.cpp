// The window list: what a capture puts in it, and how hide and show walk it.
#include "DesktopTest.h"

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace {

using FakeWindowSystem::AddWindow;
using Module1::WindowList;
using WindowSystem::WindowHandle;

using Handles = std::vector<WindowHandle>;

constexpr int HideCommand = 0;
constexpr int ShowCommand = 5;

class Module1Test : public DesktopTest {};

TEST_F(Module1Test, TargetWithoutParentOrChildrenIsAListOfOne) {
    AddWindow(10, "Other");
    AddWindow(11, "Target");

    Module1::CaptureWindowGroup(11);

    EXPECT_EQ(WindowList, Handles{11});
    EXPECT_EQ(Module1::WindowCount, 0);
    EXPECT_EQ(Module1::ParentWindow, 0);
}

TEST_F(Module1Test, CaptureOrderIsTargetParentThenChildrenAsEnumerated) {
    AddWindow(30, "Child B", 11);
    AddWindow(5, "Parent");
    AddWindow(40, "Unrelated");
    AddWindow(11, "Target", 5);
    AddWindow(20, "Child A", 11);

    Module1::CaptureWindowGroup(11);

    EXPECT_EQ(WindowList, (Handles{11, 5, 30, 20}));
    EXPECT_EQ(Module1::ParentWindow, 5);
    ExpectListInvariant();
}

TEST_F(Module1Test, ChildrenFollowTheTargetDirectlyWhenItHasNoParent) {
    AddWindow(11, "Target");
    AddWindow(20, "Child", 11);

    Module1::CaptureWindowGroup(11);

    EXPECT_EQ(WindowList, (Handles{11, 20}));
    ExpectListInvariant();
}

TEST_F(Module1Test, InvisibleParentIsStillAppended) {
    AddWindow(5, "Parent", 0, false);
    AddWindow(11, "Target", 5);
    AddWindow(20, "Child", 11);

    Module1::CaptureWindowGroup(11);

    EXPECT_EQ(WindowList, (Handles{11, 5, 20}));
    ExpectListInvariant();
}

TEST_F(Module1Test, InvisibleChildrenSiblingsAndGrandchildrenAreLeftOut) {
    AddWindow(5, "Parent");
    AddWindow(11, "Target", 5);
    AddWindow(20, "Child", 11);
    AddWindow(21, "Hidden child", 11, false);
    AddWindow(22, "Sibling", 5);
    AddWindow(23, "Grandchild", 20);
    AddWindow(24, "Second child", 11);

    Module1::CaptureWindowGroup(11);

    EXPECT_EQ(WindowList, (Handles{11, 5, 20, 24}));
    ExpectListInvariant();
}

TEST_F(Module1Test, GetParentIsNotAskedForInvisibleWindows) {
    AddWindow(11, "Target");
    AddWindow(21, "Hidden child", 11, false);
    AddWindow(22, "Hidden stranger", 0, false);

    Module1::CaptureWindowGroup(11);

    const std::vector<std::string> expected = {
        "GetParent(11)", "EnumWindows(0)",      "IsWindowVisible(11)",
        "GetParent(11)", "IsWindowVisible(21)", "IsWindowVisible(22)",
    };
    EXPECT_EQ(FakeWindowSystem::CallLog(), expected);
}

TEST_F(Module1Test, EnumerationCallbackLetsTheEnumerationGoOnOnEveryPath) {
    AddWindow(11, "Target");
    AddWindow(20, "Child", 11);
    AddWindow(21, "Hidden", 11, false);
    AddWindow(22, "Stranger");
    Module1::CaptureWindowGroup(11);

    for (const WindowHandle window : {20, 21, 22}) {
        EXPECT_TRUE(Module1::EnumWindowGroupProc(window, 0)) << window;
    }
}

TEST_F(Module1Test, CapturingTheSameTargetTwiceGivesAFreshList) {
    AddWindow(5, "Parent");
    AddWindow(11, "Target", 5);
    AddWindow(20, "Child", 11);

    Module1::CaptureWindowGroup(11);
    Module1::CaptureWindowGroup(11);

    EXPECT_EQ(WindowList, (Handles{11, 5, 20}));
    ExpectListInvariant();
}

TEST_F(Module1Test, ALaterCaptureReplacesTheEarlierGroup) {
    AddWindow(5, "Parent of A");
    AddWindow(11, "A", 5);
    AddWindow(20, "Child of A", 11);
    AddWindow(12, "B");
    AddWindow(30, "Child of B", 12);

    Module1::CaptureWindowGroup(11);
    Module1::CaptureWindowGroup(12);

    EXPECT_EQ(WindowList, (Handles{12, 30}));
    EXPECT_EQ(Module1::ParentWindow, 0);
    ExpectListInvariant();
}

TEST_F(Module1Test, RecapturingAHiddenGroupListsOnlyTargetAndParent) {
    AddWindow(5, "Parent");
    AddWindow(11, "Target", 5);
    AddWindow(20, "Child", 11);
    Module1::CaptureWindowGroup(11);
    Module1::HideWindowGroup();

    Module1::CaptureWindowGroup(11);

    EXPECT_EQ(WindowList, (Handles{11, 5}));
}

TEST_F(Module1Test, WindowCountOverflowIsAFatalFailure) {
    AddWindow(1, "Target");
    AddWindow(2, "Child", 1);
    WindowList = {1};
    Module1::WindowCount = std::numeric_limits<std::int32_t>::max();

    EXPECT_THROW(Module1::EnumWindowGroupProc(2, 0), FakeWindowSystem::FatalExit);

    EXPECT_EQ(WindowList, Handles{1});
    EXPECT_EQ(Module1::WindowCount, std::numeric_limits<std::int32_t>::max());
}

class Module1WalkTest : public Module1Test {
  protected:
    void SetUp() override {
        Module1Test::SetUp();
        AddWindow(5, "Parent");
        AddWindow(11, "Target", 5);
        AddWindow(20, "Child A", 11);
        AddWindow(21, "Child B", 11);
        Module1::CaptureWindowGroup(11);
        FakeWindowSystem::ClearCallLog();
    }
    static Handles Group() { return {11, 5, 20, 21}; }
};

TEST_F(Module1WalkTest, HideAndShowPassEveryWindowInListOrder) {
    Module1::HideWindowGroup();
    EXPECT_EQ(FakeWindowSystem::ShowWindowAsyncHandles(HideCommand), Group());
    EXPECT_EQ(Visibility(Group()), std::vector<bool>(4, false));

    Module1::ShowWindowGroup();
    EXPECT_EQ(FakeWindowSystem::ShowWindowAsyncHandles(ShowCommand), Group());
    EXPECT_EQ(Visibility(Group()), std::vector<bool>(4, true));
    // Nothing but the walks themselves reached the window system.
    EXPECT_EQ(FakeWindowSystem::CallLog().size(), 8U);
}

TEST_F(Module1WalkTest, ShowingTwicePassesTheSameWindowsTwiceAndKeepsTheList) {
    Module1::ShowWindowGroup();
    Module1::ShowWindowGroup();

    EXPECT_EQ(FakeWindowSystem::ShowWindowAsyncHandles(ShowCommand),
              (Handles{11, 5, 20, 21, 11, 5, 20, 21}));
    EXPECT_EQ(WindowList, Group());
    EXPECT_EQ(Module1::WindowCount, 3);
}

TEST_F(Module1WalkTest, ADestroyedWindowDoesNotStopTheWalk) {
    FakeWindowSystem::DestroyWindow(5);

    Module1::HideWindowGroup();

    EXPECT_EQ(FakeWindowSystem::ShowWindowAsyncHandles(HideCommand), Group());
    EXPECT_FALSE(FakeWindowSystem::IsVisible(20));
    EXPECT_FALSE(FakeWindowSystem::IsVisible(21));
}

// The walk once had a 16-bit index; every length around and beyond its old limit of 32,768
// elements must be captured and walked completely.
class Module1LongListTest : public Module1Test, public ::testing::WithParamInterface<int> {};

TEST_P(Module1LongListTest, EveryElementIsCapturedHiddenAndShown) {
    const int children = GetParam();
    AddWindow(1, "Target");
    Handles expected{1};
    for (int child = 0; child < children; ++child) {
        AddWindow(1000 + child, "", 1);
        expected.push_back(1000 + child);
    }

    Module1::CaptureWindowGroup(1);
    ASSERT_EQ(Module1::WindowCount, children);
    ExpectListInvariant();
    ASSERT_EQ(WindowList, expected);

    FakeWindowSystem::ClearCallLog();
    Module1::HideWindowGroup();
    EXPECT_EQ(FakeWindowSystem::ShowWindowAsyncHandles(HideCommand), expected);
    Module1::ShowWindowGroup();
    EXPECT_EQ(FakeWindowSystem::ShowWindowAsyncHandles(ShowCommand), expected);
}

INSTANTIATE_TEST_SUITE_P(AroundTheOld16BitLimit, Module1LongListTest,
                         ::testing::Values(32766, 32767, 32768, 40000),
                         ::testing::PrintToStringParamName());

} // namespace
