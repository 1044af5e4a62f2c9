#include "sim/host/PanelCenter.h"

#include "sim/host/PanelWindow.h"

#include <QMenu>
#include <QString>

#include <algorithm>

namespace hostsim {

Panel::~Panel() = default;
namespace {

constexpr int kUnlimited = QWIDGETSIZE_MAX;

int Clamp(ASInt32 value, ASInt32 minimum, ASInt32 maximum)
{
    return std::max(minimum, maximum > 0 ? std::min(value, maximum) : value);
}

// The plug-in is done with the panel: its callbacks must not run while the window goes.
void Silence(Panel& panel)
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
    auto record = std::make_unique<Panel>();
    Panel* panel = record.get();
    panel->handle = m_panels.Add(std::move(record));
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
    return panel->handle;
}

bool PanelCenter::Destroy(AIPanelRef panel)
{
    Panel* found = Find(panel);
    if (!found)
        return false;
    Silence(*found);
    return m_panels.Remove(panel);
}

void PanelCenter::DestroyAll()
{
    for (Panel* panel : m_panels.Records())
        Silence(*panel);
    m_panels.Clear();
}

void PanelCenter::DestroyOwnedBy(SPPluginRef owner)
{
    for (Panel* panel : m_panels.Records())
        if (panel->owner == owner)
            Silence(*panel);
    m_panels.RemoveIf([owner](const Panel& panel) { return panel.owner == owner; });
}

Panel* PanelCenter::FindByName(const std::string& name) const
{
    for (Panel* panel : m_panels.Records())
        if (panel->name == name)
            return panel;
    return nullptr;
}

QWidget& PanelCenter::WindowOf(Panel& panel)
{
    return *panel.window;
}

int PanelCenter::TimesBroughtToFront(const Panel& panel)
{
    return panel.window->TimesBroughtToFront();
}

void PanelCenter::Show(Panel& panel, bool show)
{
    panel.window->setVisible(show);
}

void PanelCenter::Resize(Panel& panel, AISize size)
{
    const int maxWidth = panel.maximumSize.width > 0 ? panel.maximumSize.width : kUnlimited;
    const int maxHeight = panel.maximumSize.height > 0 ? panel.maximumSize.height : kUnlimited;
    panel.window->Request(QSize(Clamp(size.width, panel.minimumSize.width, maxWidth),
                                Clamp(size.height, panel.minimumSize.height, maxHeight)));
}

void PanelCenter::Close(Panel& panel)
{
    panel.window->close();
}

bool PanelCenter::DestroyFlyoutMenu(AIPanelFlyoutMenuRef menu)
{
    if (!m_flyoutMenus.Destroy(menu))
        return false;
    for (Panel* panel : m_panels.Records())
        if (panel->flyoutMenu == menu)
            panel->flyoutMenu = nullptr;
    return true;
}

bool PanelCenter::ChooseFlyoutItem(Panel& panel, ASUInt32 itemId)
{
    FlyoutMenu* menu = m_flyoutMenus.Find(panel.flyoutMenu);
    const FlyoutMenu::Item* item = menu ? menu->Find(itemId) : nullptr;
    if (!item || !item->enabled || !panel.flyoutChosen)
        return false;
    panel.flyoutChosen(panel.handle, itemId);
    return true;
}

std::unique_ptr<QMenu> PanelCenter::OpenFlyoutMenu(Panel& panel)
{
    const FlyoutMenu* menu = m_flyoutMenus.Find(panel.flyoutMenu);
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
