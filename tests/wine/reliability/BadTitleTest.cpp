// Titles no window should answer to, or only the window with exactly that title: typed into a
// row, pressed, and the panel checked afterwards. A title that names no window leaves every
// window, the row's caption and the shared window list as they were.
#include "ReliabilityFixture.h"

namespace {

using Reliability::Fixture;
using Reliability::Press;

enum class Entry { Keyboard, SetText };

struct TitleCase {
    const char* Name;
    std::wstring Title;
    Entry How;
    // Top-level windows with these titles exist in a target process; a press must hide exactly
    // these. Empty when the title names no window.
    std::vector<std::wstring> Named;
    // Windows with titles that come close (a look-alike, the same text without its marks, a
    // window the title would name if it were converted with best fit): a bystander process
    // holds them, and they must keep their visibility.
    std::vector<std::wstring> LookAlikes;
};

void PrintTo(const TitleCase& c, std::ostream* out) {
    *out << c.Name;
}

const TitleCase TitleCases[] = {
    {"OnlyBlanks", L"   ", Entry::Keyboard, {}, {L"  ", L" "}},
    {"BlanksNamingABlankTitle", L"  ", Entry::Keyboard, {L"  "}, {L"   ", L" "}},
    {"LeadingBlank", L" 边距X", Entry::Keyboard, {}, {L"边距X"}},
    {"TrailingBlank", L"边距X ", Entry::Keyboard, {}, {L"边距X"}},
    {"BlanksAroundNamingTheSame",
     L" 边距Y ",
     Entry::Keyboard,
     {L" 边距Y "},
     {L"边距Y", L" 边距Y", L"边距Y "}},
    {"Tab", L"制表\t符", Entry::SetText, {L"制表\t符"}, {L"制表 符", L"制表符"}},
    {"BellNamingNothing", L"响铃\a", Entry::SetText, {}, {L"响铃"}},
    // The emoji has no place in code page 936; best fit would turn it into "??".
    {"Emoji",
     L"表情\U0001F600",
     Entry::Keyboard,
     {},
     {L"表情\U0001F600", L"表情??", L"表情?", L"表情"}},
    // Full-width letters are part of code page 936: the title names only its own window.
    {"FullWidthLetters", L"全角ＡＢ", Entry::Keyboard, {L"全角ＡＢ"}, {L"全角AB", L"全角ab"}},
    {"FullWidthNamingNothing", L"全角ＣＤ", Entry::Keyboard, {}, {L"全角CD"}},
    // U+00AA has no place in code page 936; best fit would turn it into "a".
    {"BestFitLookAlike", L"标记\u00AA", Entry::Keyboard, {}, {L"标记\u00AA", L"标记a", L"标记?"}},
    {"AmpersandAndParentheses",
     L"保存(&S)",
     Entry::Keyboard,
     {L"保存(&S)"},
     {L"保存(S)", L"保存S", L"保存(&&S)", L"保存(＆S)"}},
    {"ParenthesesWithoutAmpersand",
     L"保存(S)",
     Entry::Keyboard,
     {L"保存(S)"},
     {L"保存(&S)", L"保存S"}},
    // Right-to-left marks have no place in code page 936.
    {"RightToLeftMarks",
     L"\u200F阿拉伯\u200F",
     Entry::Keyboard,
     {},
     {L"\u200F阿拉伯\u200F", L"阿拉伯", L"?阿拉伯?"}},
    {"RightToLeftOverride", L"\u202E反向", Entry::Keyboard, {}, {L"\u202E反向", L"反向", L"?反向"}},
};

class BadTitle : public Fixture, public ::testing::WithParamInterface<TitleCase> {};
using OddTitle = Fixture;

std::vector<std::wstring> TopWindows(const std::vector<std::wstring>& titles) {
    std::vector<std::wstring> options;
    for (const std::wstring& title : titles) {
        options.insert(options.end(), {L"--top", title});
    }
    return options;
}

TEST_P(BadTitle, NamesExactlyItsOwnWindowOrNothing) {
    const TitleCase& c = GetParam();
    // Row 2 hides a window first, so that the shared list holds a group the bad press must
    // not disturb.
    std::vector<std::wstring> options = TopWindows(c.Named);
    options.insert(options.end(), {L"--top", L"可靠性 先前"});
    Driver::Process& target = StartTargets(options, L"可靠性 先前");
    HWND earlier = Driver::FindTopLevel(L"可靠性 先前");
    std::vector<HWND> named;
    for (HWND window : Reliability::TargetWindowsOf(target)) {
        if (window != earlier) {
            named.push_back(window);
        }
    }
    ASSERT_EQ(named.size(), c.Named.size());
    StartPanel(TopWindows(c.LookAlikes));

    ASSERT_TRUE(Reliability::SetText(panel.Text(2), L"可靠性 先前"));
    ASSERT_TRUE(Press(panel.Command(2)));
    ASSERT_TRUE(Driver::WaitForVisibility(earlier, false));

    if (c.How == Entry::Keyboard) {
        TypeTitle(1, c.Title);
    } else {
        ASSERT_TRUE(Reliability::SetText(panel.Text(1), c.Title));
        ASSERT_EQ(Driver::GetText(panel.Text(1)), c.Title);
    }
    ASSERT_TRUE(Press(panel.Command(1)));
    if (named.empty()) {
        EXPECT_TRUE(RowInHideState(1)) << "a title that names no window changed the row";
        // The list still holds the earlier group: row 2's show press brings it back.
        ASSERT_TRUE(Press(panel.Command(2)));
        EXPECT_TRUE(Driver::WaitForVisibility(earlier, true));
    } else {
        EXPECT_TRUE(RowInShowState(1));
        for (HWND window : named) {
            EXPECT_TRUE(Driver::WaitForVisibility(window, false));
        }
        ASSERT_TRUE(Press(panel.Command(1)));
        EXPECT_TRUE(RowInHideState(1));
        for (HWND window : named) {
            EXPECT_TRUE(Driver::WaitForVisibility(window, true));
        }
        // Row 2 now shows the list row 1 left, so the earlier window stays hidden.
        ASSERT_TRUE(Press(panel.Command(2)));
        EXPECT_FALSE(::IsWindowVisible(earlier));
    }
    EXPECT_TRUE(RowInHideState(2));
    EXPECT_EQ(Driver::GetText(panel.Text(1)), c.Title) << "the title box lost its text";
    ExpectBystandersUnchanged();
    ExpectPanelResponds(3);
}

INSTANTIATE_TEST_SUITE_P(Titles, BadTitle, ::testing::ValuesIn(TitleCases),
                         [](const ::testing::TestParamInfo<TitleCase>& param) {
                             return std::string(param.param.Name);
                         });

bool Retitle(HWND window, const std::wstring& title) {
    return Reliability::SetText(window, title) && Driver::GetText(window) == title;
}

// 100,000 characters, put in with WM_SETTEXT (typing them with SendInput would take minutes).
// The window system compares titles of at most 32,766 characters (its string lengths are 16-bit
// byte counts), so no window can carry this title: the press must find nothing, not the window
// titled with the title's first 32,766 characters. A long title within that limit still names
// its window.
TEST_F(OddTitle, HundredThousandCharacterTitle) {
    const std::wstring title(100000, L'长');
    StartTargets({L"--top", L"可靠性 长标题甲", L"--top", L"可靠性 长标题乙"}, L"可靠性 长标题乙");
    HWND truncated = Driver::FindTopLevel(L"可靠性 长标题甲");
    HWND withinLimit = Driver::FindTopLevel(L"可靠性 长标题乙");
    StartPanel();
    ASSERT_TRUE(Retitle(truncated, title.substr(0, 32766)));
    ASSERT_TRUE(Reliability::SetText(panel.Text(1), title));
    ASSERT_EQ(Driver::GetText(panel.Text(1)), title);

    ASSERT_TRUE(Press(panel.Command(1)));
    EXPECT_TRUE(RowInHideState(1)) << "a cut-off title named the window with its beginning";
    EXPECT_TRUE(::IsWindowVisible(truncated));
    EXPECT_EQ(Driver::GetText(panel.Text(1)), title) << "the title box lost characters";

    const std::wstring longTitle(30000, L'长');
    ASSERT_TRUE(Retitle(withinLimit, longTitle));
    ASSERT_TRUE(Reliability::SetText(panel.Text(2), longTitle));
    ASSERT_TRUE(Press(panel.Command(2)));
    EXPECT_TRUE(RowInShowState(2));
    EXPECT_TRUE(Driver::WaitForVisibility(withinLimit, false));
    ASSERT_TRUE(Press(panel.Command(2)));
    EXPECT_TRUE(RowInHideState(2));
    EXPECT_TRUE(Driver::WaitForVisibility(withinLimit, true));
    EXPECT_TRUE(::IsWindowVisible(truncated));
    ExpectPanelResponds(3);
}

// The panel's own title names the panel: it hides itself, F10 brings it back, and the row's
// show press afterwards works on the list that holds the panel.
TEST_F(OddTitle, PanelTitleHidesThePanelItself) {
    StartPanel();
    TypeTitle(1, L"Tessivar");
    ASSERT_TRUE(Press(panel.Command(1)));
    EXPECT_TRUE(Driver::WaitForVisibility(panel.Window, false));
    EXPECT_TRUE(RowInShowState(1));
    EXPECT_TRUE(ShowPanelWithF10());
    EXPECT_TRUE(RowInShowState(1)) << "F10 changed a row";
    EXPECT_TRUE(HidePanelWithF11());
    ASSERT_TRUE(Press(panel.Command(1)));
    EXPECT_TRUE(RowInHideState(1));
    EXPECT_TRUE(Driver::WaitForVisibility(panel.Window, true));
    ExpectPanelResponds(2);
}

} // namespace
