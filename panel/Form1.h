// Form1, the panel window: eight rows of label, title box and toggle button, the batch button,
// the red help label and the hotkey timer. The row, batch and hotkey handlers work on the panel
// only through the procedures below, which Form1.cpp implements over the real window and host
// tests implement over a double.
#pragma once

#include <string>

namespace Form1 {

constexpr int RowCount = 8;

// Row n (1 to 8): the text of its title box, exactly as typed, and its button's caption.
std::u16string GetTitleText(int row);
std::u16string GetCommandCaption(int row);
void SetCommandCaption(int row, const std::u16string& caption);

// Hides or shows the panel; it stays loaded, with every text as it was and Timer1 ticking.
void Hide();
void Show();

// The hide and show captions of row n; a row is in the hide state exactly when its caption
// equals its hide caption, code unit for code unit.
const std::u16string& HideCaption(int row);
const std::u16string& ShowCaption(int row);

// Row n's toggle. False exactly when the row was in the hide state and its title names no
// window; then nothing has changed.
bool ToggleRow(int row);
// Toggles rows 1 to 8 in order, stopping at the first row whose toggle returns false.
void ToggleAllRows();
// Timer1's tick: F11 hides the panel, F10 shows it, F9 runs the batch; one action per tick.
void PollHotkeys();

} // namespace Form1
