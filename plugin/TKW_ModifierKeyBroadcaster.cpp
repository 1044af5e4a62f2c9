#include "plugin/TKW_ModifierKeyBroadcaster.h"

#include "plugin/HostSuites.h"
#include "plugin/suites/AINotifierSuite.h"

namespace {

struct ModifierRow
{
    std::uint32_t inputBit;
    ASUInt32 state;
};

constexpr ModifierRow kModifierStates[] = {
    {1u << 0, 0x20},
    {1u << 2, 0x40},
    {1u << 1, 0x80},
    {1u << 4, 0x200},
};

}  // namespace

TKW_ModifierKeyBroadcaster& TKW_ModifierKeyBroadcaster::Instance()
{
    static TKW_ModifierKeyBroadcaster broadcaster;
    return broadcaster;
}

ASUInt32 TKW_ModifierKeyBroadcaster::StateFor(std::uint32_t modifierBits)
{
    ASUInt32 state = 0;
    for (const ModifierRow& row : kModifierStates) {
        if ((modifierBits & row.inputBit) != 0)
            state += row.state;
    }
    return state;
}

ASErr TKW_ModifierKeyBroadcaster::OnModifiersChanged(std::uint32_t modifierBits)
{
    const ASUInt32 state = StateFor(modifierBits);
    if (state == m_lastState)
        return kNoErr;
    m_lastState = state;
    return CallHostSuite<AINotifierSuite>(
        [this](const AINotifierSuite& notifiers) { return notifiers.BroadcastNotifier(kNotifierType, &m_lastState); });
}
