// The panel's control table and the twips-to-pixels conversion that places it.
#include "panel/Form1Layout.h"
#include "panel/Form1.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Form1::ControlKind;
using Form1::Form1Controls;
using Form1::TwipsToPixels;

// The pixel values at 96 pixels per inch that the panel is drawn to.
TEST(TwipsToPixelsTest, PanelSizesAt96Dpi) {
    struct Case {
        int Twips;
        int Pixels;
    };
    const Case cases[] = {
        {4845, 323}, {3690, 246}, {120, 8},    {1800, 120}, {3840, 256}, {2055, 137},
        {1935, 129}, {855, 57},   {4575, 305}, {4815, 321}, {255, 17},   {270, 18},
        {240, 16},   {3120, 208}, {3480, 232}, {0, 0},      {360, 24},
    };
    for (const Case& test : cases) {
        EXPECT_EQ(TwipsToPixels(test.Twips, 96), test.Pixels) << test.Twips;
    }
}

// At other densities a value can fall between two pixels; it rounds to the nearest.
class TwipsAtDensityTest : public ::testing::TestWithParam<int> {};

TEST_P(TwipsAtDensityTest, RoundsToTheNearestPixel) {
    const int dpi = GetParam();
    std::vector<int> twips{
        1, 6, 7, 8, 12, 18, 30, Form1::ClientWidthTwips, Form1::ClientHeightTwips};
    for (const Form1::ControlLayout& control : Form1Controls) {
        twips.insert(twips.end(), {control.Left, control.Top, control.Width, control.Height});
    }
    for (const int value : twips) {
        EXPECT_EQ(TwipsToPixels(value, dpi), std::lround(value * dpi / 1440.0)) << value;
    }
}

INSTANTIATE_TEST_SUITE_P(Dpi, TwipsAtDensityTest, ::testing::Values(96, 120, 144),
                         ::testing::PrintToStringParamName());

TEST(TwipsToPixelsTest, AHalfPixelRoundsUp) {
    EXPECT_EQ(TwipsToPixels(4845, 120), 404); // 403.75
    EXPECT_EQ(TwipsToPixels(3690, 120), 308); // 307.5
    EXPECT_EQ(TwipsToPixels(6, 120), 1);      // 0.5
    EXPECT_EQ(TwipsToPixels(4845, 144), 485); // 484.5
    EXPECT_EQ(TwipsToPixels(3690, 144), 369);
}

// The control with this id; a missing one throws, which fails the test.
const Form1::ControlLayout& Control(int id) {
    const auto* found =
        std::find_if(std::begin(Form1Controls), std::end(Form1Controls),
                     [id](const Form1::ControlLayout& control) { return control.Id == id; });
    if (found == std::end(Form1Controls)) {
        throw std::out_of_range("no control " + std::to_string(id));
    }
    return *found;
}

TEST(Form1LayoutTest, RowButtonsStartWithTheirHideCaption) {
    for (int row = 1; row <= Form1::RowCount; ++row) {
        const Form1::ControlLayout& button = Control(Form1::CommandId(row));
        EXPECT_EQ(button.Kind, ControlKind::Button) << row;
        EXPECT_EQ(std::u16string(button.Text), Form1::HideCaption(row)) << row;
    }
}

TEST(Form1LayoutTest, EachRowsLabelTitleBoxAndButtonShareOneTop) {
    for (int row = 1; row <= Form1::RowCount; ++row) {
        const std::vector<int> tops{Control(Form1::LabelId(row)).Top,
                                    Control(Form1::TextId(row)).Top,
                                    Control(Form1::CommandId(row)).Top};
        EXPECT_EQ(tops, std::vector<int>(3, 240 + 360 * (row - 1))) << row;
    }
}

TEST(Form1LayoutTest, TabOrderIsCommand1Text1ThenTitleBoxBeforeButtonThenCommand9) {
    std::vector<int> expected{Form1::CommandId(1), Form1::TextId(1)};
    for (int row = 2; row <= Form1::RowCount; ++row) {
        expected.insert(expected.end(), {Form1::TextId(row), Form1::CommandId(row)});
    }
    expected.push_back(Form1::CommandId(9));

    std::vector<int> focusable;
    for (const Form1::ControlLayout& control : Form1Controls) {
        if (control.Kind != ControlKind::Label) {
            focusable.push_back(control.Id);
        }
    }
    EXPECT_EQ(focusable, expected);
}

TEST(Form1LayoutTest, ControlIdsAreDistinctAndNeverIdOkOrIdCancel) {
    std::set<int> ids;
    for (const Form1::ControlLayout& control : Form1Controls) {
        EXPECT_TRUE(ids.insert(control.Id).second) << "duplicate id " << control.Id;
        EXPECT_NE(control.Id, 1);
        EXPECT_NE(control.Id, 2);
    }
    // Nine buttons, eight title boxes, nine labels.
    EXPECT_EQ(ids.size(), 26U);
}

} // namespace
