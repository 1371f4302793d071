// The fixture of the reliability cases: each case starts its own panel, its own target windows
// and a separate process of bystander windows, and on the way out checks that the panel is
// still alive and that no bystander window changed its visibility.
#pragma once

#include "Driver.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace Reliability {

// The captions of row n (1 to 8) and of the batch button, as the panel sets them.
std::wstring HideCaption(int row);
std::wstring ShowCaption(int row);

// UTF-8 for test messages.
std::string Utf8(const std::wstring& text);

// A press on a panel button as the panel's own button handling sees it: BM_CLICK makes the
// button run its click (focus, capture, BN_CLICKED) inside the panel. Returns once the panel
// has handled it; false when the panel did not answer within ten seconds.
bool Press(HWND button);
// Puts text into a title box with WM_SETTEXT, as a paste does, for text no keyboard types.
bool SetText(HWND box, const std::wstring& text);
// Every window of the test target class that belongs to the process, visible or not.
std::vector<HWND> TargetWindowsOf(const Driver::Process& process);

class Fixture : public ::testing::Test {
  protected:
    // Starts a process of target windows (TargetWindows.cpp options); ended in TearDown.
    Driver::Process& StartTargets(const std::vector<std::wstring>& options,
                                  const std::wstring& waitTitle);
    // Starts the bystanders (a fixed set plus extra TargetWindows options) and then the panel,
    // and notes the visibility of every bystander window.
    void StartPanel(const std::vector<std::wstring>& extraBystanders = {});

    // Types title into row n's title box with the keyboard, the panel in front.
    void TypeTitle(int row, const std::wstring& title);
    // The row's button shows this caption (the row is in that state).
    bool RowReads(int row, const std::wstring& caption) const;
    bool RowInHideState(int row) const { return RowReads(row, HideCaption(row)); }
    bool RowInShowState(int row) const { return RowReads(row, ShowCaption(row)); }

    // The hotkeys as a user presses them: the key goes down, stays down until the panel has
    // reacted (the poller only acts on a key that is down), and comes up.
    bool PressHotkey(WORD key, const std::function<bool()>& reacted);
    int repeatedKeyPresses = 0; // presses the panel never saw, given again
    bool HidePanelWithF11();
    bool ShowPanelWithF10();

    // The panel still does its work: row `row` (in the hide state) hides and shows the probe
    // window, and F11 and F10 hide and show the panel. Replaces the shared window list.
    void ExpectPanelResponds(int row);
    // No bystander window changed its visibility since StartPanel.
    void ExpectBystandersUnchanged() const;

    void TearDown() override;

    Driver::Panel panel;
    Driver::Process bystanders;
    std::deque<Driver::Process> targets; // a deque: StartTargets hands out references
    std::vector<std::pair<HWND, bool>> bystanderVisibility;
};

// A bystander window whose visibility the probe row changes and restores.
extern const wchar_t ProbeTitle[];

} // namespace Reliability
