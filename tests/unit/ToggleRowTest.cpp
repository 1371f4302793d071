// One row's toggle: its two states, the one list all rows share, and which titles name a window.
#include "DesktopTest.h"

#include "panel/Form1.h"

#include <string>
#include <vector>

namespace {

using FakeForm1::Captions;
using FakeForm1::Titles;
using FakeWindowSystem::AddWindow;
using Module1::WindowList;
using WindowSystem::WindowHandle;

using Handles = std::vector<WindowHandle>;
using Log = std::vector<std::string>;

constexpr int HideCommand = 0;
constexpr int ShowCommand = 5;

class ToggleRowTest : public DesktopTest {
  protected:
    void SetUp() override {
        DesktopTest::SetUp();
        // Notepad's group: itself, a parent and a child window.
        AddWindow(5, "Notepad owner");
        AddWindow(11, "Notepad", 5);
        AddWindow(20, "Notepad tool window", 11);
        // Paint's group: itself and a child window.
        AddWindow(12, "Paint");
        AddWindow(30, "Paint palette", 12);
    }
    static Handles NotepadGroup() { return {11, 5, 20}; }
    static Handles PaintGroup() { return {12, 30}; }

    static void ClearLogs() {
        FakeWindowSystem::ClearCallLog();
        FakeForm1::CallLog.clear();
    }
};

TEST_F(ToggleRowTest, HideStateWithAFoundTitleHidesTheGroupAndShowsTheShowCaption) {
    Titles[0] = u"Notepad";

    EXPECT_TRUE(Form1::ToggleRow(1));

    EXPECT_EQ(WindowList, NotepadGroup());
    EXPECT_EQ(FakeWindowSystem::ShowWindowAsyncHandles(HideCommand), NotepadGroup());
    EXPECT_TRUE(FakeWindowSystem::ShowWindowAsyncHandles(ShowCommand).empty());
    EXPECT_EQ(Captions[0], u"显示(&A)");
    // Caption read, title read, caption set once at the end.
    EXPECT_EQ(FakeForm1::CallLog,
              (Log{"GetCommandCaption(1)", "GetTitleText(1)", "SetCommandCaption(1)"}));
    EXPECT_EQ(FakeWindowSystem::CountCalls("FindWindowA"), 1);
    EXPECT_EQ(FakeWindowSystem::CallLog()[1], "FindWindowA(\"Notepad\")");
}

TEST_F(ToggleRowTest, ShowStateShowsTheCurrentListAndRestoresTheHideCaption) {
    Titles[0] = u"Notepad";
    Form1::ToggleRow(1);
    ClearLogs();

    EXPECT_TRUE(Form1::ToggleRow(1));

    EXPECT_EQ(FakeWindowSystem::ShowWindowAsyncHandles(ShowCommand), NotepadGroup());
    EXPECT_EQ(Captions[0], u"隐藏(&A)");
    EXPECT_EQ(WindowList, NotepadGroup());
    // The title is not read and nothing but the walk reaches the window system.
    EXPECT_EQ(FakeForm1::CallLog, (Log{"GetCommandCaption(1)", "SetCommandCaption(1)"}));
    EXPECT_EQ(FakeWindowSystem::CallLog().size(), NotepadGroup().size());
}

TEST_F(ToggleRowTest, HideStateWithATitleThatNamesNoWindowChangesNothing) {
    Titles[0] = u"Notepad";
    Form1::ToggleRow(1);
    Titles[1] = u"Calculator";
    ClearLogs();

    EXPECT_FALSE(Form1::ToggleRow(2));

    EXPECT_EQ(Captions[1], u"隐藏(&B)");
    EXPECT_EQ(WindowList, NotepadGroup());
    EXPECT_EQ(FakeWindowSystem::CountCalls("ShowWindowAsync"), 0);
    EXPECT_EQ(FakeWindowSystem::CountCalls("EnumWindows"), 0);
    EXPECT_EQ(FakeForm1::CallLog, (Log{"GetCommandCaption(2)", "GetTitleText(2)"}));

    // Row 1's show press still shows the group captured before.
    Form1::ToggleRow(1);
    EXPECT_EQ(FakeWindowSystem::ShowWindowAsyncHandles(ShowCommand), NotepadGroup());
}

TEST_F(ToggleRowTest, AllRowsShareTheListCapturedLast) {
    Titles[0] = u"Notepad";
    Titles[1] = u"Paint";
    Form1::ToggleRow(1);
    Form1::ToggleRow(2);
    ClearLogs();

    // Row 1 shows row 2's group; row 1's own windows stay hidden.
    EXPECT_TRUE(Form1::ToggleRow(1));
    EXPECT_EQ(FakeWindowSystem::ShowWindowAsyncHandles(ShowCommand), PaintGroup());
    EXPECT_EQ(Captions[0], u"隐藏(&A)");
    EXPECT_EQ(Captions[1], u"显示(&B)");
    EXPECT_EQ(Visibility(NotepadGroup()), std::vector<bool>(3, false));

    // Row 2 shows the same group again.
    ClearLogs();
    EXPECT_TRUE(Form1::ToggleRow(2));
    EXPECT_EQ(FakeWindowSystem::ShowWindowAsyncHandles(ShowCommand), PaintGroup());
    EXPECT_EQ(Captions[1], u"隐藏(&B)");
    EXPECT_FALSE(FakeWindowSystem::IsVisible(11));
}

TEST_F(ToggleRowTest, TitleChangedInTheShowStateIsIgnoredUntilTheNextHidePress) {
    Titles[0] = u"Notepad";
    Form1::ToggleRow(1);
    Titles[0] = u"Paint";
    ClearLogs();

    Form1::ToggleRow(1);
    EXPECT_EQ(FakeWindowSystem::ShowWindowAsyncHandles(ShowCommand), NotepadGroup());
    EXPECT_EQ(FakeWindowSystem::CountCalls("FindWindowA"), 0);

    Form1::ToggleRow(1);
    EXPECT_EQ(WindowList, PaintGroup());
    EXPECT_EQ(FakeWindowSystem::ShowWindowAsyncHandles(HideCommand), PaintGroup());
}

// A row is in the hide state only when its caption is its own hide caption, code unit for code
// unit; anything else is the show state.
struct CaptionCase {
    // cppcheck-suppress unusedStructMember ; read through GetParam()
    const char* Name;
    // cppcheck-suppress unusedStructMember
    std::u16string Caption;
};

class CaptionStateTest : public ToggleRowTest, public ::testing::WithParamInterface<CaptionCase> {};

TEST_P(CaptionStateTest, AnyOtherCaptionIsTheShowState) {
    Titles[1] = u"Paint";
    Form1::ToggleRow(2); // fills the shared list with Paint's group
    Titles[0] = u"Notepad";
    Captions[0] = GetParam().Caption;
    ClearLogs();

    EXPECT_TRUE(Form1::ToggleRow(1));

    EXPECT_EQ(FakeWindowSystem::ShowWindowAsyncHandles(ShowCommand), PaintGroup());
    EXPECT_EQ(FakeWindowSystem::CountCalls("FindWindowA"), 0);
    EXPECT_EQ(Captions[0], u"隐藏(&A)");
    EXPECT_EQ(FakeForm1::CallLog, (Log{"GetCommandCaption(1)", "SetCommandCaption(1)"}));
}

INSTANTIATE_TEST_SUITE_P(Captions, CaptionStateTest,
                         ::testing::Values(CaptionCase{"ShowCaption", u"显示(&A)"},
                                           CaptionCase{"LowerCaseLetter", u"隐藏(&a)"},
                                           CaptionCase{"NoAmpersand", u"隐藏(A)"},
                                           CaptionCase{"TrailingBlank", u"隐藏(&A) "},
                                           CaptionCase{"LeadingBlank", u" 隐藏(&A)"},
                                           CaptionCase{"FullWidthParentheses", u"隐藏（&A）"},
                                           CaptionCase{"OtherRowsHideCaption", u"隐藏(&B)"},
                                           CaptionCase{"Empty", u""}),
                         [](const ::testing::TestParamInfo<CaptionCase>& param) {
                             return param.param.Name;
                         });

// The title is looked up exactly as typed; a title that cannot reach FindWindowA unchanged
// names no window.
struct TitleCase {
    // cppcheck-suppress unusedStructMember ; read through GetParam()
    const char* Name;
    std::u16string Title;
    WindowHandle Found; // 0: the press changes nothing
    bool LookedUp;      // whether FindWindowA is called at all
};

class TitleLookupTest : public ToggleRowTest, public ::testing::WithParamInterface<TitleCase> {
  protected:
    void SetUp() override {
        ToggleRowTest::SetUp();
        AddWindow(40, " Notepad");
        AddWindow(41, "Notepad ");
        AddWindow(42, "   ");
        AddWindow(43, "记事本");
        AddWindow(44, ""); // an untitled window
        AddWindow(45, "A");
        AddWindow(46, "Note");
        AddWindow(47, std::string(32766, 'x'));
        AddWindow(48, std::string(32767, 'x'));
        // A group already in the list, which a failed lookup must leave there.
        Titles[7] = u"Paint";
        Form1::ToggleRow(8);
        ClearLogs();
    }

    static void ExpectHidden(WindowHandle target) {
        ASSERT_FALSE(WindowList.empty());
        EXPECT_EQ(WindowList.front(), target);
        EXPECT_EQ(FakeWindowSystem::ShowWindowAsyncHandles(HideCommand), WindowList);
        EXPECT_EQ(Captions[0], u"显示(&A)");
    }

    static void ExpectNothingChanged() {
        EXPECT_EQ(WindowList, PaintGroup());
        EXPECT_EQ(FakeWindowSystem::CountCalls("ShowWindowAsync"), 0);
        EXPECT_EQ(Captions[0], u"隐藏(&A)");
        EXPECT_EQ(FakeForm1::CallLog, (Log{"GetCommandCaption(1)", "GetTitleText(1)"}));
    }
};

TEST_P(TitleLookupTest, TitleNamesTheWindowWithExactlyThatTitle) {
    const TitleCase& test = GetParam();
    Titles[0] = test.Title;

    EXPECT_EQ(Form1::ToggleRow(1), test.Found != 0);

    EXPECT_EQ(FakeWindowSystem::CountCalls("FindWindowA"), test.LookedUp ? 1 : 0);
    if (test.Found != 0) {
        ExpectHidden(test.Found);
    } else {
        ExpectNothingChanged();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Titles, TitleLookupTest,
    ::testing::Values(TitleCase{"Exact", u"Notepad", 11, true},
                      TitleCase{"LeadingBlank", u" Notepad", 40, true},
                      TitleCase{"TrailingBlank", u"Notepad ", 41, true},
                      TitleCase{"BlanksOnly", u"   ", 42, true},
                      TitleCase{"BlanksOnlyOfAnotherLength", u"  ", 0, true},
                      TitleCase{"Chinese", u"记事本", 43, true},
                      TitleCase{"DifferentCase", u"notepad", 0, true},
                      TitleCase{"LongestComparable", std::u16string(32766, u'x'), 47, true},
                      TitleCase{"TooLongToCompareWhole", std::u16string(32767, u'x'), 0, false},
                      TitleCase{"Empty", u"", 0, false},
                      TitleCase{"EmbeddedNul", std::u16string(u"Note\0pad", 8), 0, false},
                      TitleCase{"Emoji", u"Notepad\U0001F600", 0, false},
                      TitleCase{"FullWidthLetter", u"\uFF21", 0, false},
                      TitleCase{"RightToLeftMark", u"\u200FNotepad", 0, false}),
    [](const ::testing::TestParamInfo<TitleCase>& param) { return param.param.Name; });

} // namespace
