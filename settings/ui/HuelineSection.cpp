#include "settings/ui/HuelineSection.h"

#include "plugin/EngineSuites.h"
#include "plugin/HostSuites.h"
#include "plugin/suites/AIUserSuite.h"
#include "plugin/suites/HLKilnHLSuite.h"
#include "settings/ui/BottomBarMetrics.h"
#include "settings/ui/HuelineFrame.h"
#include "toolkit/RVADM_Dialog.h"
#include "toolkit/RVADM_Label.h"
#include "toolkit/RVADM_PictureLabel.h"

#include <cstring>

namespace {

using qRVADM::RVADM_Item;
using qRVADM::RVADM_Rect;

constexpr const char* kNoConnectionTitle = "No connection";
constexpr const char* kNoConnectionMessage =
    "Please check your Internet connection and/or your Hueline account settings in Preferences > Hueline.";
constexpr const char* kRedLightName = "HL_Led_Red.png";

// The engine's status values with a light of their own; every other value is red.
struct Light
{
    std::int32_t status;
    const char* name;
    std::int32_t id;
};
constexpr Light kLights[] = {
    {0, "HL_Led_Green.png", HuelineSection::kGreenLight},
    {1, "HL_Led_Orange.png", HuelineSection::kOrangeLight},
};


// Kept for the process once acquired; sought again on every query while missing.
const HLKilnHLSuite* g_connectionSuite = nullptr;
bool g_refreshing = false;

const char* LightName(std::int32_t status)
{
    for (const Light& light : kLights)
        if (light.status == status)
            return light.name;
    return kRedLightName;
}

std::int32_t LightId(const char* name)
{
    for (const Light& light : kLights)
        if (std::strcmp(light.name, name) == 0)
            return light.id;
    return HuelineSection::kRedLight;
}

void CopyText(const char* text, char* buffer, std::size_t size)
{
    std::strncpy(buffer, text, size - 1);
    buffer[size - 1] = '\0';
}

// Sets the process-wide flag for its lifetime.
class RefreshScope
{
public:
    RefreshScope() { g_refreshing = true; }
    ~RefreshScope() { g_refreshing = false; }
    RefreshScope(const RefreshScope&) = delete;
    RefreshScope& operator=(const RefreshScope&) = delete;
};

}  // namespace

HuelineSection::HuelineSection(qRVADM::RVADM_Dialog& panel) : m_panel(panel), m_lightName(kRedLightName)
{
    CopyText(kNoConnectionTitle, m_titleText, kTextSize);
    CopyText(kNoConnectionMessage, m_message, kTextSize);
}

void HuelineSection::Create(bool shown)
{
    m_frame = new HuelineFrame(&m_panel);
    m_light = new qRVADM::RVADM_PictureLabel(&m_panel, m_lightId);
    m_title = new qRVADM::RVADM_Label(&m_panel, m_titleText, true);
    Refresh();
    m_frame->Show(shown);
    m_light->Show(shown);
    m_title->Show(shown);
}

RVADM_Item* HuelineSection::GetFrame() const
{
    return m_frame;
}

void HuelineSection::Refresh()
{
    if (g_refreshing || m_title == nullptr)
        return;
    const RefreshScope scope;
    Query(TakeRecentFlag());
    ShowStatus();
}

// The count is compared with the stored time plus the threshold, that sum wrapping at 32 bits.
bool HuelineSection::TakeRecentFlag()
{
    ASUInt32 now = 0;
    if (const AIUserSuite* user = HostSuite<AIUserSuite>())
        user->GetHostTicks(&now);
    if (now > static_cast<ASUInt32>(m_lastFullQuery + kRecentCounts)) {
        m_lastFullQuery = now;
        return false;
    }
    return true;
}

void HuelineSection::Query(bool recent)
{
    AcquireEngineSuite(g_connectionSuite);
    if (g_connectionSuite == nullptr) {
        CopyText(kNoConnectionTitle, m_titleText, kTextSize);
        CopyText(kNoConnectionMessage, m_message, kTextSize);
        m_lightName = kRedLightName;
        return;
    }
    ASInt32 status = -1;
    g_connectionSuite->GetConnectionStatus(m_titleText, kTextSize, m_message, kTextSize, &status, recent ? 1 : 0);
    m_titleText[kTextSize - 1] = '\0';
    m_message[kTextSize - 1] = '\0';
    m_lightName = LightName(status);
}

void HuelineSection::ShowStatus()
{
    const std::int32_t titleWidth = m_title->GetWidth();
    m_title->SetText(m_titleText, true, true);
    m_title->SetTipString(m_message, true);
    const std::int32_t lightId = LightId(m_lightName);
    m_light->SetPicture(lightId);
    m_light->SetTipString(m_message, true);
    // The light says in words what its colour shows.
    m_light->SetAccessibleName(m_titleText, true);
    if (lightId != m_lightId)
        m_light->Announce();
    m_lightId = lightId;
    if (m_title->GetWidth() != titleWidth)
        m_panel.OnResize();
}

void HuelineSection::Layout(RVADM_Item& leftNeighbour)
{
    if (m_frame == nullptr)
        return;
    m_frame->SetSize(m_light->GetWidth() + m_title->GetWidth() + BottomBarMetrics::kFramePadding, BottomBarMetrics::kFrameHeight);
    RVADM_Item::MoveRightOf(&leftNeighbour, m_frame, qRVADM::kAlignNone | qRVADM::kAlignCenterVertical,
                            BottomBarMetrics::kNeighbourSpacing);
    RVADM_Rect frame;
    m_frame->GetBoundsRect(frame);
    m_light->AlignTo(frame.Inset(BottomBarMetrics::kContentInset),
                     qRVADM::kAlignNone | qRVADM::kAlignCenterVertical | qRVADM::kAlignMoveLeft);
    RVADM_Item::MoveRightOf(m_light, m_title, qRVADM::kAlignNone | qRVADM::kAlignCenterVertical);
}
