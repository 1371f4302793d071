// The panel's controls as data: kind, text, place and size in twips, listed in tab order.
// Form1.cpp creates the controls from this table in this order, which is also their z-order,
// so each title box lies above the label that reaches under it.
#pragma once

namespace Form1 {

enum class ControlKind { Label, TitleBox, Button };

struct ControlLayout {
    ControlKind Kind;
    int Id; // control identifier; never IDOK (1) or IDCANCEL (2), which Enter and Esc send
    const char16_t* Text;
    int Left;
    int Top;
    int Width;
    int Height;
};

constexpr int ControlCount = 26; // Timer1 has no place on the screen and no row here

// Identifiers, shared with the end-to-end tests that find the controls.
// CommandId(1..9) names Command1..Command9, TextId(1..8) Text1..Text8, LabelId(1..9)
// Label1..Label9.
constexpr int CommandId(int n) {
    return 100 + n;
}
constexpr int TextId(int n) {
    return 200 + n;
}
constexpr int LabelId(int n) {
    return 300 + n;
}

constexpr int ClientWidthTwips = 4845;
constexpr int ClientHeightTwips = 3690;
constexpr unsigned long Label9Color = 0x0000FF; // COLORREF of pure red

extern const ControlLayout Form1Controls[ControlCount];

// Twips to pixels at the display's logical pixels per inch, rounded to the nearest pixel.
constexpr int TwipsToPixels(int twips, int pixelsPerInch) {
    return (twips * pixelsPerInch + 720) / 1440;
}

} // namespace Form1
