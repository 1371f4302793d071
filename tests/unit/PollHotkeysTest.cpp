// Timer1's tick: which key states count as a press, the order of the three keys, and one
// action per tick.
#include "DesktopTest.h"

#include "panel/Form1.h"

#include <algorithm>
#include <cstdint>
#include <iomanip>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace {

using FakeForm1::Captions;
using FakeForm1::Titles;
using FakeWindowSystem::QueueKeyState;

using Log = std::vector<std::string>;

constexpr int F9 = 0x78;
constexpr int F10 = 0x79;
constexpr int F11 = 0x7A;
constexpr std::int16_t Pressed = -32767; // 0x8001

const Log IdleTick{"GetAsyncKeyState(122)", "GetAsyncKeyState(121)", "GetAsyncKeyState(120)"};

// Row 1 names a window, so a batch shows up as row 1's caption turning to the show caption.
class PollHotkeysTest : public DesktopTest {
  protected:
    void SetUp() override {
        DesktopTest::SetUp();
        FakeWindowSystem::AddWindow(11, "Notepad");
        Titles[0] = u"Notepad";
    }
};

TEST_F(PollHotkeysTest, AnIdleTickQueriesTheThreeKeysAndDoesNothingElse) {
    Form1::PollHotkeys();

    EXPECT_EQ(FakeWindowSystem::CallLog(), IdleTick);
    EXPECT_TRUE(FakeForm1::CallLog.empty());
}

TEST_F(PollHotkeysTest, F11HidesThePanel) {
    QueueKeyState(F11, Pressed);

    Form1::PollHotkeys();

    EXPECT_FALSE(FakeForm1::Visible);
    EXPECT_EQ(FakeForm1::CallLog, Log{"Hide()"});
    EXPECT_EQ(FakeWindowSystem::CallLog(), Log{"GetAsyncKeyState(122)"});
}

TEST_F(PollHotkeysTest, F10ShowsThePanel) {
    FakeForm1::Visible = false;
    QueueKeyState(F10, Pressed);

    Form1::PollHotkeys();

    EXPECT_TRUE(FakeForm1::Visible);
    EXPECT_EQ(FakeForm1::CallLog, Log{"Show()"});
    EXPECT_EQ(FakeWindowSystem::CallLog(), (Log{"GetAsyncKeyState(122)", "GetAsyncKeyState(121)"}));
}

TEST_F(PollHotkeysTest, F9RunsTheBatchAndLeavesAHiddenPanelHidden) {
    FakeForm1::Visible = false;
    QueueKeyState(F9, Pressed);

    Form1::PollHotkeys();

    EXPECT_EQ(Captions[0], Form1::ShowCaption(1));
    EXPECT_FALSE(FakeWindowSystem::IsVisible(11));
    EXPECT_FALSE(FakeForm1::Visible);
    // The batch went on to row 2, whose empty title stopped it.
    EXPECT_EQ(FakeForm1::CallLog.back(), "GetTitleText(2)");
}

TEST_F(PollHotkeysTest, F11AndF10TogetherOnlyHideAndF10IsNotQueried) {
    QueueKeyState(F11, Pressed);
    QueueKeyState(F10, Pressed);

    Form1::PollHotkeys();

    EXPECT_EQ(FakeForm1::CallLog, Log{"Hide()"});
    EXPECT_EQ(FakeWindowSystem::CallLog(), Log{"GetAsyncKeyState(122)"});
    EXPECT_EQ(FakeWindowSystem::QueuedKeyStates(F10), 1U);

    // The next tick finds F10 and shows the panel again.
    FakeForm1::CallLog.clear();
    Form1::PollHotkeys();
    EXPECT_EQ(FakeForm1::CallLog, Log{"Show()"});
    EXPECT_TRUE(FakeForm1::Visible);
}

TEST_F(PollHotkeysTest, AtMostOneActionPerTick) {
    QueueKeyState(F11, Pressed);
    QueueKeyState(F10, Pressed);
    QueueKeyState(F9, Pressed);
    Form1::PollHotkeys();
    EXPECT_EQ(FakeForm1::CallLog, Log{"Hide()"});

    FakeForm1::CallLog.clear();
    Form1::PollHotkeys();
    EXPECT_EQ(FakeForm1::CallLog, Log{"Show()"});
    EXPECT_EQ(FakeWindowSystem::QueuedKeyStates(F9), 1U);

    FakeForm1::CallLog.clear();
    Form1::PollHotkeys();
    EXPECT_EQ(FakeForm1::CallLog.front(), "GetCommandCaption(1)");
    EXPECT_TRUE(FakeForm1::Visible);
}

TEST_F(PollHotkeysTest, AfterABatchStoppedEarlyTheNextTickIsIdle) {
    Titles[1] = u"No such window";
    Titles[2] = u"Notepad";
    QueueKeyState(F9, Pressed);
    Form1::PollHotkeys();
    ASSERT_EQ(Captions[0], Form1::ShowCaption(1));
    ASSERT_EQ(Captions[1], Form1::HideCaption(2));
    FakeWindowSystem::ClearCallLog();
    FakeForm1::CallLog.clear();

    Form1::PollHotkeys();

    EXPECT_EQ(FakeWindowSystem::CallLog(), IdleTick);
    EXPECT_TRUE(FakeForm1::CallLog.empty());
    EXPECT_EQ(Captions[0], Form1::ShowCaption(1));
}

// Only 0x8001 exactly counts as a press; every other state of any of the three keys is an idle
// tick.
struct KeyStateCase {
    // cppcheck-suppress unusedStructMember ; read through GetParam()
    int Key;
    std::int16_t State;
};

class KeyStateTest : public PollHotkeysTest, public ::testing::WithParamInterface<KeyStateCase> {};

TEST_P(KeyStateTest, StatesOtherThanAFreshPressDoNothing) {
    QueueKeyState(GetParam().Key, GetParam().State);

    Form1::PollHotkeys();

    EXPECT_EQ(FakeWindowSystem::CallLog(), IdleTick);
    EXPECT_TRUE(FakeForm1::CallLog.empty());
    EXPECT_TRUE(FakeForm1::Visible);
}

std::vector<KeyStateCase> NotPressedStates() {
    const std::int16_t states[] = {
        -32768,                            // held down: 0x8000
        1,                                 // pressed and released between two ticks
        static_cast<std::int16_t>(0x8003), // a press with another bit set
        static_cast<std::int16_t>(0xC001), // likewise
        static_cast<std::int16_t>(0xFFFF), // -1
        static_cast<std::int16_t>(0x8002), // down, no fresh press, another bit
        0x7FFF,
        0x0002,
    };
    std::vector<KeyStateCase> cases;
    for (const int key : {F11, F10, F9}) {
        std::transform(std::begin(states), std::end(states), std::back_inserter(cases),
                       [key](std::int16_t state) {
                           return KeyStateCase{key, state};
                       });
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(States, KeyStateTest, ::testing::ValuesIn(NotPressedStates()),
                         [](const ::testing::TestParamInfo<KeyStateCase>& param) {
                             std::ostringstream name;
                             name << std::uppercase << std::hex << std::setfill('0') << "Key"
                                  << param.param.Key << "State" << std::setw(4)
                                  << static_cast<std::uint16_t>(param.param.State);
                             return name.str();
                         });

} // namespace
