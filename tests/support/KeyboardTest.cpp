#include "support/platform/Keyboard.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <array>
#endif

namespace {

constexpr int kControl = 17;
constexpr int kShift = 16;

#ifdef _WIN32
// This thread's key state, as GetKeyState reads it: high bit held, low bit toggled.
void SetKeyState(int virtualKey, unsigned char state)
{
    BYTE keys[256] = {};
    keys[virtualKey] = state;
    ASSERT_TRUE(::SetKeyboardState(keys));
}
#else
// The same state in the form GetKeyState gives it.
std::array<short, 256> s_keyState {};

void SetKeyState(int virtualKey, unsigned char state)
{
    s_keyState.fill(0);
    const int held = state & 0x80 ? 0xFF80 : 0;
    s_keyState[static_cast<size_t>(virtualKey)] = static_cast<short>(held | (state & 0x01));
}
#endif

struct KeyCase {
    int virtualKey;
    unsigned char state;
    bool controlDown;
    const char* what;
};

constexpr KeyCase kCases[] = {
    {kControl, 0x80, true, "Control held"},
    {kControl, 0x81, true, "Control held and toggled"},
    {kControl, 0x01, false, "Control only toggled"},
    {kControl, 0x00, false, "Control up"},
    {kShift, 0x80, false, "another key held"},
};

TEST(KeyboardTest, OnlyAHeldControlKeyCounts)
{
    for (const KeyCase& c : kCases) {
        SetKeyState(c.virtualKey, c.state);
        EXPECT_EQ(IsControlKeyDown(), c.controlDown) << c.what;
    }
    SetKeyState(kControl, 0x00);
}

} // namespace

#ifndef _WIN32
// The host's key state, which the POSIX implementation finds among the program's exports.
extern "C" __attribute__((visibility("default"))) short HostSimGetKeyState(int virtualKey)
{
    return virtualKey >= 0 && virtualKey < 256 ? s_keyState[static_cast<size_t>(virtualKey)] : 0;
}
#endif
