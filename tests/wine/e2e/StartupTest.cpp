// The panel as it appears at start-up, and a first round trip through a row.
#include "Driver.h"

#include <gtest/gtest.h>

namespace {

TEST(Startup, PanelShowsItsInitialTextsAndFocusesCommand1) {
    Driver::Panel panel = Driver::StartPanel();
    ASSERT_NE(panel.Window, nullptr);
    EXPECT_EQ(Driver::GetText(panel.Window), L"Tessivar");
    EXPECT_EQ(Driver::GetText(panel.Command(1)), L"隐藏(&A)");
    EXPECT_EQ(Driver::GetText(panel.Command(9)), L"以上窗口全数执行隐藏(&I)");
    EXPECT_EQ(Driver::FocusOf(panel.Window), panel.Command(1));
    EXPECT_TRUE(Driver::ClosePanel(panel));
}

TEST(Startup, ClickHidesAndShowsTheNamedGroup) {
    Driver::Process target = Driver::StartTarget(
        {L"--top", L"目标窗口", L"--popup", L"目标窗口 附属", L"目标窗口"}, L"目标窗口");
    HWND main = Driver::FindTopLevel(L"目标窗口");
    HWND popup = Driver::FindTopLevel(L"目标窗口 附属");
    Driver::Panel panel = Driver::StartPanel();
    ASSERT_NE(panel.Window, nullptr);
    Driver::TypeInto(panel.Text(1), L"目标窗口");
    Driver::Click(panel.Command(1));
    EXPECT_TRUE(Driver::WaitForVisibility(main, false));
    EXPECT_TRUE(Driver::WaitForVisibility(popup, false));
    EXPECT_EQ(Driver::GetText(panel.Command(1)), L"显示(&A)");
    Driver::Click(panel.Command(1));
    EXPECT_TRUE(Driver::WaitForVisibility(main, true));
    EXPECT_TRUE(Driver::WaitForVisibility(popup, true));
    EXPECT_EQ(Driver::GetText(panel.Command(1)), L"隐藏(&A)");
    EXPECT_TRUE(Driver::ClosePanel(panel));
    Driver::Kill(target);
}

} // namespace
