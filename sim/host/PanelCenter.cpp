#include "sim/host/PanelCenter.h"

#include "sim/host/OwnedList.h"
#include "sim/host/PanelWindow.h"

#include <QMenu>
#include <QString>

#include <algorithm>

AIPanelOpaque::~AIPanelOpaque() = default;

namespace hostsim {
namespace {

constexpr int kUnlimited = QWIDGETSIZE_MAX;

int Clamp(ASInt32 value, ASInt32 minimum, ASInt32 maximum)
{
    return std::max(minimum, maximum > 0 ? std::min(value, maximum) : value);
}

// The plug-in is done with the panel: its callbacks must not run while the window goes.
void Silence(AIPanelOpaque& panel)
{
    panel.sizeChanged = nullptr;
    panel.visibilityChanged = nullptr;
    panel.closed = nullptr;
    panel.flyoutChosen = nullptr;
}

}  // namespace

AIPanelRef PanelCenter::Create(SPPluginRef owner, const char* name, std::u16string title, ASInt32 stateCount,
                               AISize minimumSize, bool resizable, AIPanelFlyoutMenuRef flyoutMenu,
                               AIPanelUserData userData)
{
    auto panel = std::make_unique<AIPanelOpaque>();
    panel->owner = owner;
    panel->name = name;
    panel->title = std::move(title);
    panel->stateCount = stateCount;
    panel->minimumSize = minimumSize;
    panel->resizable = resizable;
    panel->flyoutMenu = flyoutMenu;
    panel->userData = userData;
    panel->window = std::make_unique<PanelWindow>(*panel);
    panel->window->setObjectName(QString::fromStdString(panel->name));
    panel->window->setWindowTitle(QString::fromStdU16String(panel->title));
    panel->window->setMinimumSize(minimumSize.width, minimumSize.height);
    panel->window->resize(minimumSize.width, minimumSize.height);
    m_panels.push_back(std::move(panel));
    return m_panels.back().get();
}

bool PanelCenter::Destroy(AIPanelRef panel)
{
    const auto found = PositionOf(m_panels, panel);
    if (found == m_panels.end())
        return false;
    Silence(**found);
    m_panels.erase(found);
    return true;
}

void PanelCenter::DestroyAll()
{
    for (const auto& panel : m_panels)
        Silence(*panel);
    m_panels.clear();
}

AIPanelOpaque* PanelCenter::Find(AIPanelRef panel) const
{
    return FindOwned(m_panels, panel);
}

AIPanelOpaque* PanelCenter::FindByName(const std::string& name) const
{
    for (const auto& panel : m_panels)
        if (panel->name == name)
            return panel.get();
    return nullptr;
}

std::vector<const AIPanelOpaque*> PanelCenter::All() const
{
    return ViewsOf(m_panels);
}

QWidget& PanelCenter::WindowOf(AIPanelOpaque& panel)
{
    return *panel.window;
}

int PanelCenter::TimesBroughtToFront(const AIPanelOpaque& panel)
{
    return panel.window->TimesBroughtToFront();
}

void PanelCenter::Show(AIPanelOpaque& panel, bool show)
{
    panel.window->setVisible(show);
}

void PanelCenter::Resize(AIPanelOpaque& panel, AISize size)
{
    const int maxWidth = panel.maximumSize.width > 0 ? panel.maximumSize.width : kUnlimited;
    const int maxHeight = panel.maximumSize.height > 0 ? panel.maximumSize.height : kUnlimited;
    panel.window->Request(QSize(Clamp(size.width, panel.minimumSize.width, maxWidth),
                                Clamp(size.height, panel.minimumSize.height, maxHeight)));
}

void PanelCenter::Close(AIPanelOpaque& panel)
{
    panel.window->close();
}

bool PanelCenter::DestroyFlyoutMenu(AIPanelFlyoutMenuRef menu)
{
    if (!m_flyoutMenus.Destroy(menu))
        return false;
    for (const auto& panel : m_panels)
        if (panel->flyoutMenu == menu)
            panel->flyoutMenu = nullptr;
    return true;
}

bool PanelCenter::ChooseFlyoutItem(AIPanelOpaque& panel, ASUInt32 itemId)
{
    AIPanelFlyoutMenuOpaque* menu = m_flyoutMenus.Find(panel.flyoutMenu);
    const AIPanelFlyoutMenuOpaque::Item* item = menu ? menu->Find(itemId) : nullptr;
    if (!item || !item->enabled || !panel.flyoutChosen)
        return false;
    panel.flyoutChosen(&panel, itemId);
    return true;
}

std::unique_ptr<QMenu> PanelCenter::OpenFlyoutMenu(AIPanelOpaque& panel)
{
    const AIPanelFlyoutMenuOpaque* menu = m_flyoutMenus.Find(panel.flyoutMenu);
    if (!menu)
        return nullptr;
    std::unique_ptr<QMenu> shown = FlyoutMenuCenter::BuildMenu(*menu, panel.window.get());
    QObject::connect(shown.get(), &QMenu::triggered, panel.window.get(), [this, &panel](QAction* action) {
        ChooseFlyoutItem(panel, action->data().toUInt());
    });
    shown->popup(panel.window->mapToGlobal(QPoint(panel.window->width(), 0)));
    return shown;
}

}  // namespace hostsim
