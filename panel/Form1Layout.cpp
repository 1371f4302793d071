#include "Form1Layout.h"

namespace Form1 {

// Tab order: Command1, Text1, then title box before button for rows 2 to 8, then Command9.
// clang-format off
const ControlLayout Form1Controls[ControlCount] = {
    {ControlKind::Button, CommandId(1), u"隐藏(&A)", 3840, 240, 855, 255},
    {ControlKind::TitleBox, TextId(1), u"", 1800, 240, 1935, 270},
    {ControlKind::Label, LabelId(1), u"隐藏的窗口名称:", 120, 240, 2055, 255},
    {ControlKind::TitleBox, TextId(2), u"", 1800, 600, 1935, 270},
    {ControlKind::Button, CommandId(2), u"隐藏(&B)", 3840, 600, 855, 255},
    {ControlKind::Label, LabelId(2), u"隐藏的窗口名称:", 120, 600, 2055, 255},
    {ControlKind::TitleBox, TextId(3), u"", 1800, 960, 1935, 270},
    {ControlKind::Button, CommandId(3), u"隐藏(&C)", 3840, 960, 855, 255},
    {ControlKind::Label, LabelId(3), u"隐藏的窗口名称:", 120, 960, 2055, 255},
    {ControlKind::TitleBox, TextId(4), u"", 1800, 1320, 1935, 270},
    {ControlKind::Button, CommandId(4), u"隐藏(&D)", 3840, 1320, 855, 255},
    {ControlKind::Label, LabelId(4), u"隐藏的窗口名称:", 120, 1320, 2055, 255},
    {ControlKind::TitleBox, TextId(5), u"", 1800, 1680, 1935, 270},
    {ControlKind::Button, CommandId(5), u"隐藏(&E)", 3840, 1680, 855, 255},
    {ControlKind::Label, LabelId(5), u"隐藏的窗口名称:", 120, 1680, 2055, 255},
    {ControlKind::TitleBox, TextId(6), u"", 1800, 2040, 1935, 270},
    {ControlKind::Button, CommandId(6), u"隐藏(&F)", 3840, 2040, 855, 255},
    {ControlKind::Label, LabelId(6), u"隐藏的窗口名称:", 120, 2040, 2055, 255},
    {ControlKind::TitleBox, TextId(7), u"", 1800, 2400, 1935, 270},
    {ControlKind::Button, CommandId(7), u"隐藏(&G)", 3840, 2400, 855, 255},
    {ControlKind::Label, LabelId(7), u"隐藏的窗口名称:", 120, 2400, 2055, 255},
    {ControlKind::TitleBox, TextId(8), u"", 1800, 2760, 1935, 270},
    {ControlKind::Button, CommandId(8), u"隐藏(&H)", 3840, 2760, 855, 255},
    {ControlKind::Label, LabelId(8), u"隐藏的窗口名称:", 120, 2760, 2055, 255},
    {ControlKind::Button, CommandId(9), u"以上窗口全数执行隐藏(&I)", 120, 3120, 4575, 255},
    {ControlKind::Label, LabelId(9), u"F11隐藏自身,F10显示自身,F9隐藏全部窗体", 0, 3480, 4815, 255},
};
// clang-format on

} // namespace Form1
