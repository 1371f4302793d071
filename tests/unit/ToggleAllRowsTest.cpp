// The batch: rows 1 to 8 toggled in order, stopping at the first row whose title names no
// window, all of them on the one shared list.
#include "DesktopTest.h"

#include "panel/Form1.h"

#include <string>
#include <vector>

namespace {

using FakeForm1::Captions;
using FakeForm1::Titles;
using Module1::WindowList;
using WindowSystem::WindowHandle;

using Handles = std::vector<WindowHandle>;

constexpr int HideCommand = 0;
constexpr int ShowCommand = 5;

std::size_t Index(int row) {
    return static_cast<std::size_t>(row - 1);
}
WindowHandle Target(int row) {
    return 100 + row;
}
WindowHandle Child(int row) {
    return 200 + row;
}
Handles Group(int row) {
    return {Target(row), Child(row)};
}
std::string Title(int row) {
    return "Window " + std::to_string(row);
}

// Every row's title names a window of its own with one child window.
class ToggleAllRowsTest : public DesktopTest {
  protected:
    void SetUp() override {
        DesktopTest::SetUp();
        for (int row = 1; row <= Form1::RowCount; ++row) {
            FakeWindowSystem::AddWindow(Target(row), Title(row));
            FakeWindowSystem::AddWindow(Child(row), "", Target(row));
            const std::string title = Title(row);
            Titles[Index(row)] = std::u16string(title.begin(), title.end());
        }
    }

    // Row n's caption is its show caption for n in first..last, its hide caption otherwise.
    static std::vector<std::u16string> CaptionsShowingRows(int first, int last) {
        std::vector<std::u16string> captions;
        for (int row = 1; row <= Form1::RowCount; ++row) {
            captions.push_back(row >= first && row <= last ? Form1::ShowCaption(row)
                                                           : Form1::HideCaption(row));
        }
        return captions;
    }

    static std::vector<std::u16string> CurrentCaptions() {
        return {Captions.begin(), Captions.end()};
    }

    static Handles GroupsOfRows(int first, int last) {
        Handles handles;
        for (int row = first; row <= last; ++row) {
            const Handles group = Group(row);
            handles.insert(handles.end(), group.begin(), group.end());
        }
        return handles;
    }
};

TEST_F(ToggleAllRowsTest, AllRowsFoundAreHiddenInRowOrder) {
    Form1::ToggleAllRows();

    EXPECT_EQ(FakeWindowSystem::ShowWindowAsyncHandles(HideCommand), GroupsOfRows(1, 8));
    EXPECT_TRUE(FakeWindowSystem::ShowWindowAsyncHandles(ShowCommand).empty());
    EXPECT_EQ(CurrentCaptions(), CaptionsShowingRows(1, 8));
    EXPECT_EQ(WindowList, Group(8));
}

TEST_F(ToggleAllRowsTest, ASecondRunShowsRow8sGroupEightTimes) {
    Form1::ToggleAllRows();
    FakeWindowSystem::ClearCallLog();

    Form1::ToggleAllRows();

    Handles eightTimes;
    for (int row = 1; row <= Form1::RowCount; ++row) {
        eightTimes.insert(eightTimes.end(), {Target(8), Child(8)});
    }
    EXPECT_EQ(FakeWindowSystem::ShowWindowAsyncHandles(ShowCommand), eightTimes);
    EXPECT_EQ(CurrentCaptions(), CaptionsShowingRows(0, 0));
    EXPECT_EQ(FakeWindowSystem::CountCalls("FindWindowA"), 0);
    EXPECT_FALSE(FakeWindowSystem::IsVisible(Target(1)));
}

// The row whose title names no window stops the batch: the rows before it are toggled, it and
// the rows after it are left exactly as they were.
class BatchStopTest : public ToggleAllRowsTest, public ::testing::WithParamInterface<int> {};

TEST_P(BatchStopTest, StopsAtTheFirstRowNotFound) {
    const int missing = GetParam();
    Titles[Index(missing)] = u"No such window";

    Form1::ToggleAllRows();

    EXPECT_EQ(FakeWindowSystem::ShowWindowAsyncHandles(HideCommand), GroupsOfRows(1, missing - 1));
    EXPECT_EQ(FakeWindowSystem::CountCalls("FindWindowA"), missing);
    EXPECT_EQ(CurrentCaptions(), CaptionsShowingRows(1, missing - 1));
    const Handles untouched = GroupsOfRows(missing, 8);
    EXPECT_EQ(Visibility(untouched), std::vector<bool>(untouched.size(), true));
    // Not a single read of the rows after the stop.
    ASSERT_FALSE(FakeForm1::CallLog.empty());
    EXPECT_EQ(FakeForm1::CallLog.back(), "GetTitleText(" + std::to_string(missing) + ")");
    EXPECT_EQ(WindowList, missing > 1 ? Group(missing - 1) : Handles{});
}

INSTANTIATE_TEST_SUITE_P(Rows, BatchStopTest, ::testing::Values(1, 3, 8),
                         ::testing::PrintToStringParamName());

TEST_F(ToggleAllRowsTest, AnEmptyRowInTheHideStateStopsTheBatch) {
    Titles[Index(2)].clear();

    Form1::ToggleAllRows();

    EXPECT_EQ(FakeWindowSystem::ShowWindowAsyncHandles(HideCommand), Group(1));
    EXPECT_EQ(Captions[Index(2)], Form1::HideCaption(2));
    EXPECT_EQ(Captions[Index(3)], Form1::HideCaption(3));
    EXPECT_TRUE(FakeWindowSystem::IsVisible(Target(3)));
}

TEST_F(ToggleAllRowsTest, AllRowsInTheShowStateShowTheSameListEightTimes) {
    Module1::CaptureWindowGroup(Target(5));
    for (int row = 1; row <= Form1::RowCount; ++row) {
        Captions[Index(row)] = Form1::ShowCaption(row);
    }
    FakeWindowSystem::ClearCallLog();

    Form1::ToggleAllRows();

    Handles eightTimes;
    for (int row = 1; row <= Form1::RowCount; ++row) {
        eightTimes.insert(eightTimes.end(), {Target(5), Child(5)});
    }
    EXPECT_EQ(FakeWindowSystem::ShowWindowAsyncHandles(ShowCommand), eightTimes);
    EXPECT_EQ(CurrentCaptions(), CaptionsShowingRows(0, 0));
    EXPECT_EQ(FakeWindowSystem::CallLog().size(), eightTimes.size());
    for (const std::string& call : FakeForm1::CallLog) {
        EXPECT_EQ(call.rfind("GetTitleText", 0), std::string::npos) << call;
    }
}

// Row 1 hides its group and row 2, in the show state, shows it again at once; the group that
// row 2 hid earlier stays hidden. Row 3's empty title then ends the batch.
TEST_F(ToggleAllRowsTest, AShowRowAfterAHideRowShowsTheGroupJustHidden) {
    Form1::ToggleRow(2);
    Titles[Index(3)].clear();
    FakeWindowSystem::ClearCallLog();

    Form1::ToggleAllRows();

    EXPECT_EQ(FakeWindowSystem::ShowWindowAsyncHandles(HideCommand), Group(1));
    EXPECT_EQ(FakeWindowSystem::ShowWindowAsyncHandles(ShowCommand), Group(1));
    EXPECT_EQ(Captions[Index(1)], Form1::ShowCaption(1));
    EXPECT_EQ(Captions[Index(2)], Form1::HideCaption(2));
    EXPECT_TRUE(FakeWindowSystem::IsVisible(Target(1)));
    EXPECT_FALSE(FakeWindowSystem::IsVisible(Target(2)));
    EXPECT_FALSE(FakeWindowSystem::IsVisible(Child(2)));
    EXPECT_EQ(WindowList, Group(1));
}

} // namespace
