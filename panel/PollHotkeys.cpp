#include "Form1.h"

#include "../window_groups/WindowSystem.h"

namespace Form1 {

namespace {

constexpr int VK_F9_KEY = 0x78;
constexpr int VK_F10_KEY = 0x79;
constexpr int VK_F11_KEY = 0x7A;

// Down now and pressed since the previous query, nothing else: a held key reads -32768 and a
// press released between two ticks reads 1, and neither acts.
constexpr std::int16_t KeyPressed = -32767;

// The key that counted as pressed in the current tick; empty between ticks.
std::u16string PendingKey;

} // namespace

void PollHotkeys() {
    if (WindowSystem::GetAsyncKeyState(VK_F11_KEY) == KeyPressed) {
        PendingKey = u"[F11]";
    } else if (WindowSystem::GetAsyncKeyState(VK_F10_KEY) == KeyPressed) {
        PendingKey = u"[F10]";
    } else if (WindowSystem::GetAsyncKeyState(VK_F9_KEY) == KeyPressed) {
        PendingKey = u"[F9]";
    }
    if (PendingKey == u"[F11]") {
        Hide();
    }
    if (PendingKey == u"[F10]") {
        Show();
    }
    if (PendingKey == u"[F9]") {
        ToggleAllRows();
    }
    PendingKey.clear();
}

} // namespace Form1
