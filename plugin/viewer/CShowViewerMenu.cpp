#include "plugin/viewer/CShowViewerMenu.h"

#include <utility>

CShowViewerMenu::CShowViewerMenu(TKW_AISubMenu* parent, std::function<bool()> isShown, std::function<void(bool)> show)
    : TKW_AIMenu(parent, "Viewer", true), m_isShown(std::move(isShown)), m_show(std::move(show))
{
}

ASErr CShowViewerMenu::Go(AIMenuMessage*)
{
    m_show(!m_isShown());
    return kNoErr;
}

// Asks the host each time, so the mark also follows a panel closed by its own close box.
ASErr CShowViewerMenu::Update(AIMenuMessage*)
{
    Check(m_isShown());
    return kNoErr;
}
