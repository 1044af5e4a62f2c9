// Flyout menus of panels in the simulated host, and a demo panel with a list box, a drop-down
// list and its open flyout menu.

#include "HostPanelFixture.h"
#include "TestPanel.h"

#include "toolkit/RVADM_ComboEntry.h"
#include "toolkit/RVADM_DropDownList.h"
#include "toolkit/RVADM_ListBox.h"
#include "toolkit/RVADM_ListEntry.h"
#include "toolkit/RVADM_Menu.h"
#include "toolkit/RVADM_MenuEntry.h"

#include <QApplication>
#include <QMenu>
#include <QPainter>

#include <memory>

namespace qRVADM {
namespace {

using toolkittest::TestPanel;

class CountingEntry : public RVADM_MenuEntry
{
public:
    CountingEntry(RVADM_AbstractMenu* menu, const char* text, int& chosen)
        : RVADM_MenuEntry(menu, text)
        , m_chosen(chosen)
    {
    }
    void OnSelect() override { ++m_chosen; }

private:
    int& m_chosen;
};

class MenuTest : public toolkittest::HostPanelFixture
{
protected:
    hostsim::Panel& Panel() { return *host.Panels().Find(dialog->GetPanel()); }
    const hostsim::FlyoutMenu::Item* HostItem(ASUInt32 id)
    {
        hostsim::FlyoutMenu* menu = host.Panels().FlyoutMenus().Find(Panel().flyoutMenu);
        return menu != nullptr ? menu->Find(id) : nullptr;
    }

    std::unique_ptr<TestPanel> dialog = std::make_unique<TestPanel>();
    int chosen[2] = {0, 0};
};

TEST_F(MenuTest, EntriesMirrorIntoTheHostMenuOfTheDialogsLifetimeAndOnlyEnabledOnesRun)
{
    CountingEntry* sepsOnly = nullptr;
    CountingEntry* help = nullptr;
    dialog->create = [&] {
        sepsOnly = new CountingEntry(dialog->GetFlyoutMenu(), "Show Separations Only", chosen[0]);
        help = new CountingEntry(dialog->GetFlyoutMenu(), "Help", chosen[1]);
    };
    ASSERT_EQ(dialog->CreatePanel("Menu Panel", 5, false, 16100), kNoErr);
    const AIPanelFlyoutMenuRef hostMenu = dialog->GetFlyoutMenu()->GetHostMenu();
    EXPECT_EQ(Panel().flyoutMenu, hostMenu);
    EXPECT_EQ(help->GetHostId(), 2u);
    sepsOnly->Check(true);
    help->SetText("Viewer Help");
    EXPECT_EQ(HostItem(1)->text, u"Show Separations Only");
    EXPECT_EQ(HostItem(1)->mark, kAIPanelFlyoutMenuItemMarkCheck);
    EXPECT_EQ(HostItem(2)->text, u"Viewer Help");
    sepsOnly->Check(false);
    EXPECT_EQ(HostItem(1)->mark, kAIPanelFlyoutMenuItemMarkNone);

    EXPECT_TRUE(host.Panels().ChooseFlyoutItem(Panel(), 1));
    help->Enable(false);
    EXPECT_FALSE(HostItem(2)->enabled);
    EXPECT_FALSE(host.Panels().ChooseFlyoutItem(Panel(), 2));
    EXPECT_FALSE(host.Panels().ChooseFlyoutItem(Panel(), 99));
    EXPECT_EQ(chosen[0], 1);
    help->Enable(true);
    delete help;
    EXPECT_EQ(dialog->GetFlyoutMenu()->NumberOfEntries(), 1u);
    EXPECT_FALSE(dialog->GetFlyoutMenu()->OnItemChosen(2));
    EXPECT_EQ(chosen[1], 0);

    dialog.reset();
    EXPECT_EQ(host.Panels().FlyoutMenus().Find(hostMenu), nullptr);
}

TEST_F(MenuTest, WithoutTheHostSuiteTheMenuIsInert)
{
    host.suites.flyoutMenu = nullptr;
    host.Install();
    dialog->create = [&] { new CountingEntry(dialog->GetFlyoutMenu(), "Nothing", chosen[0]); };
    ASSERT_EQ(dialog->CreatePanel("Menu Panel", 5, false, 16100), kNoErr);
    EXPECT_EQ(dialog->GetFlyoutMenu()->GetHostMenu(), nullptr);
    EXPECT_EQ(Panel().flyoutMenu, nullptr);
    EXPECT_EQ(dialog->GetFlyoutMenu()->FindEntry(0), nullptr);
}

TEST_F(MenuTest, DemoPanelWithListsAndAnOpenFlyoutMenu)
{
    RVADM_ListBox* list = nullptr;
    RVADM_DropDownList* zoom = nullptr;
    std::vector<std::unique_ptr<RVADM_ComboEntry>> zooms;
    dialog->create = [&] {
        (new CountingEntry(dialog->GetFlyoutMenu(), "Show Separations Only", chosen[0]))->Check(true);
        new CountingEntry(dialog->GetFlyoutMenu(), "Dot Gain Settings...", chosen[1]);
        (new CountingEntry(dialog->GetFlyoutMenu(), "Link Views", chosen[0]))->Enable(false);
        list = new RVADM_ListBox(dialog.get(), false);
        for (const char* name : {"Coated FOGRA39", "Uncoated FOGRA29", "Newsprint 26", "Web Coated SWOP"})
            new RVADM_ListEntry(list, name);
        zoom = new RVADM_DropDownList(dialog.get());
        for (const char* level : {"50%", "100%", "200%", "Fit ArtBoard"})
            zooms.push_back(std::make_unique<RVADM_ComboEntry>(zoom, level));
        zooms[0]->SetPicture(16209);
        zooms[1]->SetPicture(-1);
    };
    dialog->layout = [&] {
        zoom->SetSize(120, dialog->GetStyle().Get(DialogMetrics::kDropDownHeight) + 6);
        RVADM_Item::PlaceInParent(zoom, kAlignMoveLeft | kAlignMoveTop);
        RVADM_Rect inner;
        dialog->GetInnerRect(inner);
        list->SetHeightInRows(inner.Width(), inner.bottom - zoom->GetBottom() - 4);
        RVADM_Item::MoveBelow(zoom, list, kAlignMoveLeft, 4);
    };
    ASSERT_EQ(dialog->CreatePanel("Toolkit Lists", 5, false, 16100), kNoErr);
    dialog->ShowPanel(true);
    hostsim::PanelCenter::Resize(Panel(), {260, 160});
    zooms[1]->Select(true);
    list->GetEntry(1)->Select(true);

    std::unique_ptr<QMenu> flyout = host.Panels().OpenFlyoutMenu(Panel());
    ASSERT_NE(flyout, nullptr);
    QApplication::processEvents();
    ASSERT_EQ(flyout->actions().size(), 3);
    EXPECT_TRUE(flyout->actions().at(0)->isChecked());
    EXPECT_FALSE(flyout->actions().at(2)->isEnabled());
    const QImage panel = hostsim::PanelCenter::WindowOf(Panel()).grab().toImage();
    const QImage menu = flyout->grab().toImage();
    QImage shot(panel.width() + menu.width() + 8, std::max(panel.height(), menu.height()), QImage::Format_ARGB32);
    shot.fill(Qt::white);
    {
        QPainter painter(&shot);
        painter.drawImage(0, 0, panel);
        painter.drawImage(panel.width() + 8, 0, menu);
    }
    const QByteArray folder = qgetenv("HUELINE_SCREENSHOT_DIR");
    if (!folder.isEmpty())
        shot.save(QString::fromLocal8Bit(folder) + QStringLiteral("/toolkit-lists-panel.png"));
    flyout->actions().at(1)->trigger();
    EXPECT_EQ(chosen[1], 1);
}

} // namespace
} // namespace qRVADM
