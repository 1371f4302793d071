// The panel window as the user meets it: frame, controls, colours, layout at several display
// resolutions, tab order, and what closing it leaves behind.
#include "PanelTest.h"

#include <algorithm>

namespace {

using E2e::PanelTest;

constexpr int Form1ClientWidthTwips = 4845;
constexpr int Form1ClientHeightTwips = 3690;

struct ExpectedControl {
    int Id;
    const wchar_t* Text;
    int Left, Top, Width, Height; // twips
};

// Identifiers: Command1..9 are 101..109, Text1..8 201..208, Label1..9 301..309.
constexpr wchar_t RowLabel[] = L"隐藏的窗口名称:";
const ExpectedControl Controls[] = {
    {301, RowLabel, 120, 240, 2055, 255},
    {201, L"", 1800, 240, 1935, 270},
    {101, L"隐藏(&A)", 3840, 240, 855, 255},
    {302, RowLabel, 120, 600, 2055, 255},
    {202, L"", 1800, 600, 1935, 270},
    {102, L"隐藏(&B)", 3840, 600, 855, 255},
    {303, RowLabel, 120, 960, 2055, 255},
    {203, L"", 1800, 960, 1935, 270},
    {103, L"隐藏(&C)", 3840, 960, 855, 255},
    {304, RowLabel, 120, 1320, 2055, 255},
    {204, L"", 1800, 1320, 1935, 270},
    {104, L"隐藏(&D)", 3840, 1320, 855, 255},
    {305, RowLabel, 120, 1680, 2055, 255},
    {205, L"", 1800, 1680, 1935, 270},
    {105, L"隐藏(&E)", 3840, 1680, 855, 255},
    {306, RowLabel, 120, 2040, 2055, 255},
    {206, L"", 1800, 2040, 1935, 270},
    {106, L"隐藏(&F)", 3840, 2040, 855, 255},
    {307, RowLabel, 120, 2400, 2055, 255},
    {207, L"", 1800, 2400, 1935, 270},
    {107, L"隐藏(&G)", 3840, 2400, 855, 255},
    {308, RowLabel, 120, 2760, 2055, 255},
    {208, L"", 1800, 2760, 1935, 270},
    {108, L"隐藏(&H)", 3840, 2760, 855, 255},
    {109, L"以上窗口全数执行隐藏(&I)", 120, 3120, 4575, 255},
    {309, L"F11隐藏自身,F10显示自身,F9隐藏全部窗体", 0, 3480, 4815, 255},
};

// Twips to pixels, rounded to the nearest pixel, halves up.
int Pixels(int twips, int dpi) {
    return (twips * dpi * 2 + 1440) / 2880;
}

int ScreenDpi() {
    HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSX);
    ::ReleaseDC(nullptr, screen);
    return dpi;
}

void ExpectLayout(const Driver::Panel& panel, int dpi) {
    RECT client{};
    ASSERT_TRUE(::GetClientRect(panel.Window, &client));
    EXPECT_EQ(client.right, Pixels(Form1ClientWidthTwips, dpi));
    EXPECT_EQ(client.bottom, Pixels(Form1ClientHeightTwips, dpi));
    for (const ExpectedControl& expected : Controls) {
        SCOPED_TRACE("control " + std::to_string(expected.Id) + " at " + std::to_string(dpi) +
                     " dpi");
        const HWND control = ::GetDlgItem(panel.Window, expected.Id);
        ASSERT_NE(control, nullptr);
        const RECT rect = Driver::ClientRectOf(control);
        EXPECT_EQ(rect.left, Pixels(expected.Left, dpi));
        EXPECT_EQ(rect.top, Pixels(expected.Top, dpi));
        EXPECT_EQ(rect.right - rect.left, Pixels(expected.Width, dpi));
        EXPECT_EQ(rect.bottom - rect.top, Pixels(expected.Height, dpi));
    }
}

TEST_F(PanelTest, WindowHasAFixedFrameAndOnlyACloseBox) {
    Driver::Panel& panel = OpenPanel();
    ASSERT_NE(panel.Window, nullptr);
    EXPECT_EQ(Driver::GetText(panel.Window), L"Tessivar");
    const auto style = static_cast<DWORD>(::GetWindowLongW(panel.Window, GWL_STYLE));
    EXPECT_EQ(style & WS_THICKFRAME, 0u) << "the frame can be dragged to another size";
    EXPECT_EQ(style & WS_MAXIMIZEBOX, 0u);
    EXPECT_EQ(style & WS_MINIMIZEBOX, 0u);
    EXPECT_EQ(style & WS_CAPTION, static_cast<DWORD>(WS_CAPTION));
    EXPECT_NE(style & WS_SYSMENU, 0u) << "no close box";
    EXPECT_EQ(::GetMenu(panel.Window), nullptr);
    EXPECT_EQ(::GetWindow(panel.Window, GW_OWNER), nullptr);
}

TEST_F(PanelTest, ControlsCarryTheirTextsAndPlacesAt96Dpi) {
    ASSERT_EQ(ScreenDpi(), 96) << "this run's display is not at 96 dpi";
    Driver::Panel& panel = OpenPanel();
    ASSERT_NE(panel.Window, nullptr);
    for (const ExpectedControl& expected : Controls) {
        EXPECT_EQ(Driver::GetText(::GetDlgItem(panel.Window, expected.Id)), expected.Text)
            << "control " << expected.Id;
    }
    ExpectLayout(panel, 96);
    const RECT label9 = Driver::ClientRectOf(panel.Label(9));
    EXPECT_EQ(label9.bottom - 246, 3) << "Label9's lowest 3 pixels lie outside the client area";
}

// The pixels of a control's visible part, as shown on the screen, sorted by ink: the text is
// drawn with smoothed edges, so only some of its pixels carry the text colour exactly.
struct Ink {
    int PureRed = 0; // exactly RGB(255, 0, 0)
    int Reddish = 0; // red clearly above green and blue
    int Grey = 0;    // darker than the background, without colour
};

Ink InkOf(HWND control) {
    RECT rect{};
    ::GetWindowRect(control, &rect);
    RECT parentClient{};
    ::GetClientRect(::GetParent(control), &parentClient);
    ::MapWindowPoints(::GetParent(control), nullptr, reinterpret_cast<POINT*>(&parentClient), 2);
    ::IntersectRect(&rect, &rect, &parentClient);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    ::GdiFlush();
    Ink ink;
    const auto* pixels = static_cast<const DWORD*>(bits);
    for (int i = 0; pixels != nullptr && i < width * height; ++i) {
        const int red = static_cast<int>((pixels[i] >> 16) & 0xFF);
        const int green = static_cast<int>((pixels[i] >> 8) & 0xFF);
        const int blue = static_cast<int>(pixels[i] & 0xFF);
        ink.PureRed += red == 255 && green == 0 && blue == 0 ? 1 : 0;
        ink.Reddish += red - std::max(green, blue) > 100 ? 1 : 0;
        ink.Grey += std::max({red, green, blue}) < 0xA0 &&
                            std::max({red, green, blue}) - std::min({red, green, blue}) < 16
                        ? 1
                        : 0;
    }
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return ink;
}

TEST_F(PanelTest, Label9IsDrawnInPureRed) {
    Driver::Panel& panel = OpenPanel();
    ASSERT_NE(panel.Window, nullptr);
    ASSERT_TRUE(Driver::Activate(panel.Window)); // on top, nothing covers it
    // The screen shows the panel once it has painted; a row label is the sample of plain text.
    ASSERT_TRUE(Driver::WaitFor([&] { return InkOf(panel.Label(1)).Grey > 20; }))
        << "the screen shows no text of the panel; colours cannot be checked here";
    EXPECT_TRUE(Driver::WaitFor([&] { return InkOf(panel.Label(9)).PureRed > 5; }));
    const Ink label9 = InkOf(panel.Label(9));
    const Ink label1 = InkOf(panel.Label(1));
    EXPECT_GT(label9.Reddish, 20);
    EXPECT_EQ(label9.Grey, 0) << "part of Label9 is drawn in another colour";
    EXPECT_EQ(label1.Reddish, 0);
}

// Sets the display resolution that Wine hands to processes started from now on, and puts the
// old setting back at the end.
class ScopedLogPixels {
  public:
    explicit ScopedLogPixels(DWORD dpi) {
        ::RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0,
                          KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key_, nullptr);
        DWORD size = sizeof old_;
        hadOld_ = ::RegQueryValueExW(key_, L"LogPixels", nullptr, nullptr,
                                     reinterpret_cast<BYTE*>(&old_), &size) == ERROR_SUCCESS;
        // NOLINTNEXTLINE(cppcoreguidelines-prefer-member-initializer): needs key_ opened above
        set_ = ::RegSetValueExW(key_, L"LogPixels", 0, REG_DWORD,
                                reinterpret_cast<const BYTE*>(&dpi), sizeof dpi) == ERROR_SUCCESS;
    }
    ~ScopedLogPixels() {
        if (hadOld_) {
            ::RegSetValueExW(key_, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&old_),
                             sizeof old_);
        } else {
            ::RegDeleteValueW(key_, L"LogPixels");
        }
        ::RegCloseKey(key_);
    }
    ScopedLogPixels(const ScopedLogPixels&) = delete;
    ScopedLogPixels& operator=(const ScopedLogPixels&) = delete;
    ScopedLogPixels(ScopedLogPixels&&) = delete;
    ScopedLogPixels& operator=(ScopedLogPixels&&) = delete;
    bool IsSet() const { return set_; }

  private:
    HKEY key_ = nullptr;
    DWORD old_ = 0;
    bool hadOld_ = false;
    bool set_ = false;
};

class PanelAtDpiTest : public PanelTest, public ::testing::WithParamInterface<int> {};

TEST_P(PanelAtDpiTest, LayoutScalesWithTheDisplayResolution) {
    const int dpi = GetParam();
    Driver::Panel* panel = nullptr;
    {
        ScopedLogPixels logPixels(static_cast<DWORD>(dpi));
        ASSERT_TRUE(logPixels.IsSet());
        panel = &OpenPanel();
    } // the panel has read the resolution by the time it shows
    ASSERT_NE(panel->Window, nullptr);
    ExpectLayout(*panel, dpi);
}

INSTANTIATE_TEST_SUITE_P(Dpi, PanelAtDpiTest, ::testing::Values(120, 144));

TEST_F(PanelTest, TabVisitsTheControlsInTheirOrder) {
    Driver::Panel& panel = OpenPanel();
    ASSERT_NE(panel.Window, nullptr);
    std::vector<HWND> order{panel.Text(1)};
    for (int row = 2; row <= 8; ++row) {
        order.push_back(panel.Text(row));
        order.push_back(panel.Command(row));
    }
    order.push_back(panel.Command(9));
    order.push_back(panel.Command(1));

    ASSERT_EQ(Driver::FocusOf(panel.Window), panel.Command(1)) << "Command1 has the focus at start";
    for (std::size_t i = 0; i < order.size(); ++i) {
        E2e::PressKeyOn(panel, VK_TAB);
        EXPECT_TRUE(Driver::WaitFor([&] { return Driver::FocusOf(panel.Window) == order[i]; }))
            << "Tab number " << i + 1 << " went to control "
            << ::GetDlgCtrlID(Driver::FocusOf(panel.Window));
    }
}

// With Text1 empty, the press names no window, even though an untitled window exists.
TEST_F(PanelTest, SpaceOnTheFocusedCommand1AtStartChangesNothing) {
    const Driver::Process& targets =
        OpenTargets({L"--top", L"", L"--top", L"无标题窗口旁"}, L"无标题窗口旁");
    HWND untitled = nullptr;
    for (HWND window : Driver::FindAllTopLevel(L"")) {
        DWORD process = 0;
        ::GetWindowThreadProcessId(window, &process);
        untitled = process == targets.Id ? window : untitled;
    }
    ASSERT_NE(untitled, nullptr);
    Driver::Panel& panel = OpenPanel();
    ASSERT_NE(panel.Window, nullptr);
    ASSERT_EQ(Driver::FocusOf(panel.Window), panel.Command(1));

    E2e::PressKeyOn(panel, VK_SPACE);
    E2e::SettleInput(panel);

    EXPECT_EQ(Driver::GetText(panel.Command(1)), E2e::HideCaption(1));
    ASSERT_TRUE(Driver::RoundTrip(untitled));
    EXPECT_TRUE(::IsWindowVisible(untitled));
}

// Space does press the focused button: with a title in Text1 it hides that window.
TEST_F(PanelTest, SpaceOnTheFocusedCommand1PressesIt) {
    OpenTargets({L"--top", L"空格目标"}, L"空格目标");
    const HWND target = Window(L"空格目标");
    Driver::Panel& panel = OpenPanel();
    ASSERT_NE(panel.Window, nullptr);
    TypeTitles(panel, {L"空格目标"});
    Driver::Click(panel.Command(1)); // the click also puts the focus back on Command1
    ASSERT_TRUE(Driver::WaitForVisibility(target, false));
    ASSERT_TRUE(E2e::WaitForText(panel.Command(1), E2e::ShowCaption(1)));
    ASSERT_EQ(Driver::FocusOf(panel.Window), panel.Command(1));

    E2e::PressKeyOn(panel, VK_SPACE);
    EXPECT_TRUE(Driver::WaitForVisibility(target, true));
    EXPECT_TRUE(E2e::WaitForText(panel.Command(1), E2e::HideCaption(1)));
}

enum class CloseBy { CloseMessage, AltF4 };

class PanelCloseTest : public PanelTest, public ::testing::WithParamInterface<CloseBy> {};

TEST_P(PanelCloseTest, ClosingEndsTheProcessAndLeavesHiddenWindowsHidden) {
    OpenTargets({L"--top", L"关闭 目标", L"--popup", L"关闭 成员", L"关闭 目标"}, L"关闭 成员");
    const HWND target = Window(L"关闭 目标");
    const HWND member = Window(L"关闭 成员");
    Driver::Panel& panel = OpenPanel();
    ASSERT_NE(panel.Window, nullptr);
    TypeTitles(panel, {L"关闭 目标"});
    E2e::PressAltOn(panel, 'A');
    ASSERT_TRUE(Driver::WaitForVisibility(target, false));
    ASSERT_TRUE(Driver::WaitForVisibility(member, false));

    if (GetParam() == CloseBy::CloseMessage) {
        EXPECT_TRUE(Driver::ClosePanel(panel));
    } else {
        ASSERT_TRUE(Driver::Activate(panel.Window));
        Driver::KeyDown(VK_MENU);
        Driver::PressKey(VK_F4);
        Driver::KeyUp(VK_MENU);
        EXPECT_TRUE(Driver::WaitForExit(panel.Process, 5000));
    }

    ASSERT_TRUE(Driver::RoundTrip(target)); // anything sent to the target has been handled
    EXPECT_FALSE(::IsWindowVisible(target));
    EXPECT_FALSE(::IsWindowVisible(member));
}

INSTANTIATE_TEST_SUITE_P(Close, PanelCloseTest,
                         ::testing::Values(CloseBy::CloseMessage, CloseBy::AltF4),
                         [](const ::testing::TestParamInfo<CloseBy>& param) {
                             return param.param == CloseBy::AltF4 ? std::string("AltF4")
                                                                  : std::string("CloseBox");
                         });

} // namespace
