// Shared ground of the end-to-end tests: a fixture that starts panels and test targets and
// ends whatever is left of them, and the steps a user takes on the panel.
#pragma once

#include "Driver.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace E2e {

// Row n's captions as the user sees them: "隐藏(&A)" and "显示(&A)" for row 1.
std::wstring HideCaption(int row);
std::wstring ShowCaption(int row);

bool WaitForText(HWND window, const std::wstring& text, DWORD timeoutMs = 5000);
// Waits for the window to become visible or hidden, then for its thread to finish that step (a
// show also activates the window), so that input sent afterwards goes where the test sends it.
bool WaitVisible(HWND window, bool visible, DWORD timeoutMs = 5000);

// Brings the panel to the foreground, then presses Alt+letter or a plain key there.
void PressAltOn(const Driver::Panel& panel, WORD letter);
void PressKeyOn(const Driver::Panel& panel, WORD virtualKey);

// Wine drops keys that it holds as down while the X server does not (all of them, in one step)
// when the pointer has lately entered another window, as after a click. A press dropped before
// the panel's poll saw it counts as no press. So a global key goes down together with a
// sentinel key that nothing reacts to: while the sentinel is down, the key is still down.
constexpr WORD SentinelKey = VK_F8;
bool SentinelDown();

// Moves the mouse pointer to the screen's bottom right corner, where no window of the tests
// lies, so that hiding or showing the panel does not make the pointer enter another window;
// returns once Wine has caught up with the pointer's move.
void ParkPointer();

// Presses a global key and holds it until its effect shows, then lets it go. A press that Wine
// dropped before the panel acted on it is repeated; one the panel acted on is not.
bool HoldKeyUntil(const Driver::Panel& panel, WORD virtualKey, const std::function<bool()>& effect,
                  DWORD timeoutMs = 5000);

// Returns once the panel has handled every input sent before: clicks a title box that does not
// have the focus and waits for the focus to arrive there, which happens only after the earlier
// input has been handled. Lets a test check that an input changed nothing.
void SettleInput(const Driver::Panel& panel);

class PanelTest : public ::testing::Test {
  protected:
    void TearDown() override;

    // Starts Tessivar.exe and moves the panel to the right half of the screen, clear of the
    // test targets, which the target program places near the top left corner.
    Driver::Panel& OpenPanel();
    // Starts the test target program (options as in TargetWindows.cpp).
    Driver::Process& OpenTargets(const std::vector<std::wstring>& options,
                                 const std::wstring& waitTitle);
    // A window of the test targets, found by its title.
    static HWND Window(const std::wstring& title);
    // Types titles into rows 1, 2, ... of the panel; an empty string leaves that row empty.
    static void TypeTitles(const Driver::Panel& panel, const std::vector<std::wstring>& titles);

  private:
    std::deque<Driver::Panel> panels_; // deques: references stay valid
    std::deque<Driver::Process> targets_;
};

} // namespace E2e
