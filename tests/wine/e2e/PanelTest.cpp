#include "PanelTest.h"

namespace E2e {

std::wstring HideCaption(int row) {
    return L"隐藏(&" + std::wstring(1, static_cast<wchar_t>(L'A' + row - 1)) + L")";
}

std::wstring ShowCaption(int row) {
    return L"显示(&" + std::wstring(1, static_cast<wchar_t>(L'A' + row - 1)) + L")";
}

bool WaitForText(HWND window, const std::wstring& text, DWORD timeoutMs) {
    return Driver::WaitFor([&] { return Driver::GetText(window) == text; }, timeoutMs);
}

bool WaitVisible(HWND window, bool visible, DWORD timeoutMs) {
    return Driver::WaitForVisibility(window, visible, timeoutMs) &&
           Driver::RoundTrip(window, timeoutMs);
}

void PressAltOn(const Driver::Panel& panel, WORD letter) {
    EXPECT_TRUE(Driver::Activate(panel.Window));
    Driver::PressAlt(letter);
}

void PressKeyOn(const Driver::Panel& panel, WORD virtualKey) {
    EXPECT_TRUE(Driver::Activate(panel.Window));
    Driver::PressKey(virtualKey);
}

bool SentinelDown() {
    return (::GetAsyncKeyState(SentinelKey) & 0x8000) != 0;
}

void ParkPointer() {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = 65535;
    input.mi.dy = 65535;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(1, &input, sizeof input);
    // Entering the desktop makes Wine drop the keys it holds down: wait for that (or a while).
    Driver::KeyDown(SentinelKey);
    Driver::WaitFor([] { return !SentinelDown(); }, 1000);
    Driver::KeyUp(SentinelKey);
}

bool HoldKeyUntil(const Driver::Panel& panel, WORD virtualKey, const std::function<bool()>& effect,
                  DWORD timeoutMs) {
    for (int attempt = 0; attempt < 5; ++attempt) {
        Driver::KeyDown(SentinelKey);
        Driver::KeyDown(virtualKey);
        bool dropped = false;
        Driver::WaitFor(
            [&] {
                if (effect()) {
                    return true;
                }
                dropped = !SentinelDown();
                return dropped;
            },
            timeoutMs);
        if (dropped) {
            // A poll that saw the key before Wine dropped it has finished once this returns;
            // a later poll reads the key as released and does nothing.
            Driver::RoundTrip(panel.Window);
        }
        const bool seen = effect();
        Driver::KeyUp(virtualKey);
        Driver::KeyUp(SentinelKey);
        if (seen || !dropped) {
            return seen;
        }
    }
    return false;
}

void SettleInput(const Driver::Panel& panel) {
    EXPECT_TRUE(Driver::Activate(panel.Window));
    const HWND box = Driver::FocusOf(panel.Window) == panel.Text(8) ? panel.Text(7) : panel.Text(8);
    Driver::Click(box);
    EXPECT_TRUE(Driver::WaitFor([&] { return Driver::FocusOf(panel.Window) == box; }))
        << "the panel did not handle its input";
}

void PanelTest::TearDown() {
    for (Driver::Panel& panel : panels_) {
        Driver::Kill(panel.Process);
    }
    for (Driver::Process& target : targets_) {
        Driver::Kill(target);
    }
}

Driver::Panel& PanelTest::OpenPanel() {
    panels_.push_back(Driver::StartPanel());
    Driver::Panel& panel = panels_.back();
    if (panel.Window != nullptr) {
        ::SetWindowPos(panel.Window, nullptr, 620, 60, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return panel;
}

Driver::Process& PanelTest::OpenTargets(const std::vector<std::wstring>& options,
                                        const std::wstring& waitTitle) {
    targets_.push_back(Driver::StartTarget(options, waitTitle));
    return targets_.back();
}

HWND PanelTest::Window(const std::wstring& title) {
    HWND window = Driver::FindTopLevel(title);
    EXPECT_NE(window, nullptr) << "no test window with the title asked for";
    return window;
}

void PanelTest::TypeTitles(const Driver::Panel& panel, const std::vector<std::wstring>& titles) {
    for (std::size_t i = 0; i < titles.size(); ++i) {
        if (!titles[i].empty()) {
            Driver::TypeInto(panel.Text(static_cast<int>(i) + 1), titles[i]);
            EXPECT_EQ(Driver::GetText(panel.Text(static_cast<int>(i) + 1)), titles[i]);
        }
    }
}

} // namespace E2e
