// The panel's rows and its visibility in memory, for host tests: the Form1 accessors that
// Form1.cpp implements over the real window, with a log of every call.
#pragma once

#include "panel/Form1.h"

#include <array>
#include <string>
#include <vector>

namespace FakeForm1 {

// Index 0 is row 1.
extern std::array<std::u16string, Form1::RowCount> Titles;
extern std::array<std::u16string, Form1::RowCount> Captions;
extern bool Visible;
// Every call in order, e.g. "GetTitleText(3)", "SetCommandCaption(3)", "Hide()".
extern std::vector<std::string> CallLog;

// Titles empty, captions the hide captions, panel visible, log empty: the panel at start.
void Reset();

} // namespace FakeForm1
