#include "settings/ui/InkWarningSection.h"

#include "plugin/EngineSuites.h"
#include "plugin/HostSuites.h"
#include "plugin/suites/AIDocumentSuite.h"
#include "plugin/suites/HLInkBookSuite.h"
#include "plugin/suites/HLInkSuite.h"
#include "settings/ui/BottomBarMetrics.h"
#include "settings/ui/InkWarningFrame.h"
#include "toolkit/RVADM_Dialog.h"
#include "toolkit/RVADM_PictureLabel.h"

namespace {

using qRVADM::RVADM_Item;
using qRVADM::RVADM_Rect;

constexpr std::size_t kNameSize = 256;

// The section's own hold on the ink suites, kept for the process; a failed acquisition leaves
// the pointer null.
const HLInkBookSuite* g_inkBookSuite = nullptr;
const HLInkSuite* g_inkSuite = nullptr;

bool HasCurrentDocument()
{
    AIDocumentHandle document = nullptr;
    const AIDocumentSuite* documents = HostSuite<AIDocumentSuite>();
    return documents != nullptr && documents->GetCurrentDocument(&document) == kNoErr && document != nullptr;
}

}  // namespace

InkWarningSection::InkWarningSection(qRVADM::RVADM_Dialog& panel) : m_panel(panel)
{
    AcquireEngineSuite(g_inkBookSuite);
    AcquireEngineSuite(g_inkSuite);
}

void InkWarningSection::Create(bool shown)
{
    m_frame = new InkWarningFrame(&m_panel);
    m_icon = new qRVADM::RVADM_PictureLabel(&m_panel, kWarningPicture);
    Refresh();
    m_frame->Show(shown);
    m_icon->Show(shown);
}

RVADM_Item* InkWarningSection::GetFrame() const
{
    return m_frame;
}

void InkWarningSection::Refresh()
{
    if (m_icon == nullptr)
        return;
    const bool warn = g_inkBookSuite != nullptr && g_inkSuite != nullptr && HasCurrentDocument() && HasForeignInk();
    const bool appeared = warn && !m_icon->IsEnabled();
    m_icon->Enable(warn);
    m_icon->SetTipString(warn ? kWarningText : nullptr, true);
    m_icon->SetAccessibleName(warn ? kWarningName : kNoWarningName, true);
    if (appeared)
        m_icon->Announce();
}

bool InkWarningSection::HasForeignInk()
{
    g_inkSuite->ResetInkIteration(0);
    HLInkRef ink = nullptr;
    while (g_inkSuite->NextInk(0, &ink) != 0) {
        char name[kNameSize] = {};
        char bookEntry[kNameSize] = {};
        g_inkSuite->GetInkName(ink, name, kNameSize);
        name[kNameSize - 1] = '\0';
        if (!g_inkBookSuite->FindInBook(name, bookEntry, kNameSize))
            return true;
    }
    return false;
}

void InkWarningSection::Layout()
{
    if (m_frame == nullptr)
        return;
    RVADM_Rect local;
    m_panel.GetLocalRect(local);
    m_frame->SetSize(m_icon->GetWidth() + BottomBarMetrics::kFramePadding, BottomBarMetrics::kFrameHeight);
    m_frame->AlignTo(local, qRVADM::kAlignNone | qRVADM::kAlignMoveBottom | qRVADM::kAlignMoveLeft);
    RVADM_Rect frame;
    m_frame->GetBoundsRect(frame);
    m_icon->AlignTo(frame.Inset(BottomBarMetrics::kContentInset),
                    qRVADM::kAlignNone | qRVADM::kAlignCenterVertical | qRVADM::kAlignCenterHorizontal);
}
