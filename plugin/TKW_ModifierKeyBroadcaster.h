#pragma once

#include "plugin/suites/SPTypes.h"

#include <cstdint>

// Turns the toolkit manager library's modifier bits into the system's modifier state and
// broadcasts each change as "HL Modifier Key Stroke Notifier", whose data points to the 32-bit
// state. Needs "AI Notifier Suite" acquired. Host UI thread only.
class TKW_ModifierKeyBroadcaster
{
public:
    static constexpr const char* kNotifierType = "HL Modifier Key Stroke Notifier";

    // The one the keyboard input handler feeds.
    static TKW_ModifierKeyBroadcaster& Instance();

    static ASUInt32 StateFor(std::uint32_t modifierBits);

    // Broadcasts when the state differs from the last one broadcast (initially 0); returns the
    // host's error, or 0 when nothing changed.
    ASErr OnModifiersChanged(std::uint32_t modifierBits);

    ASUInt32 LastState() const { return m_lastState; }

private:
    ASUInt32 m_lastState = 0;
};
