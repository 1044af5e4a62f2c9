// Flyout menus of panels in the simulated host, and a demo panel with a list box, a drop-down
// list and its open flyout menu.

#include "HostPanelFixture.h"
#include "TestPanel.h"
#include "ToolkitTestSupport.h"

#include "toolkit/RVADM_ComboEntry.h"
#include "toolkit/RVADM_DropDownList.h"
#include "toolkit/RVADM_ListBox.h"
#include "toolkit/RVADM_ListEntry.h"
#include "toolkit/RVADM_Menu.h"
#include "toolkit/RVADM_MenuEntry.h"

#include <QApplication>
#include <QMenu>
#include <QPainter>

#include <gtest/gtest.h>

#include <memory>

namespace qRVADM {
namespace {

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

using toolkittest::TestPanel;

class MenuTest : public toolkittest::HostPanelFixture
{
protected:
    hostsim::Panel& Panel(const TestPanel& dialog) { return *host.Panels().Find(dialog.GetPanel()); }
    const hostsim::FlyoutMenu::Item* HostItem(const TestPanel& dialog, ASUInt32 id)
    {
        hostsim::FlyoutMenu* menu = host.Panels().FlyoutMenus().Find(Panel(dialog).flyoutMenu);
        return menu != nullptr ? menu->Find(id) : nullptr;
    }
};

TEST_F(MenuTest, CreateItemsAttachesAFlyoutMenuForTheDialogsLifetime)
{
    AIPanelFlyoutMenuRef hostMenu = nullptr;
    {
        TestPanel dialog;
        ASSERT_EQ(dialog.CreatePanel("Menu Panel", 5, false, 16100), kNoErr);
        ASSERT_NE(dialog.GetFlyoutMenu(), nullptr);
        hostMenu = dialog.GetFlyoutMenu()->GetHostMenu();
        EXPECT_EQ(Panel(dialog).flyoutMenu, hostMenu);
        EXPECT_NE(Panel(dialog).flyoutChosen, nullptr);
        EXPECT_NE(host.Panels().FlyoutMenus().Find(hostMenu), nullptr);
    }
    EXPECT_EQ(host.Panels().FlyoutMenus().Find(hostMenu), nullptr);
}

TEST_F(MenuTest, EntriesAppendTextMarkAndEnableHostItems)
{
    TestPanel dialog;
    int chosen = 0;
    CountingEntry* sepsOnly = nullptr;
    RVADM_MenuEntry* help = nullptr;
    dialog.create = [&] {
        sepsOnly = new CountingEntry(dialog.GetFlyoutMenu(), "Show Separations Only", chosen);
        help = new RVADM_MenuEntry(dialog.GetFlyoutMenu(), "Help", true);
    };
    ASSERT_EQ(dialog.CreatePanel("Menu Panel", 5, false, 16100), kNoErr);
    EXPECT_EQ(sepsOnly->GetHostId(), 1u);
    EXPECT_EQ(help->GetHostId(), 2u);
    sepsOnly->Check(true);
    help->Enable(false);
    help->SetText("Viewer Help");
    EXPECT_EQ(HostItem(dialog, 1)->text, u"Show Separations Only");
    EXPECT_EQ(HostItem(dialog, 1)->mark, kAIPanelFlyoutMenuItemMarkCheck);
    EXPECT_FALSE(HostItem(dialog, 2)->enabled);
    EXPECT_EQ(HostItem(dialog, 2)->text, u"Viewer Help");
    sepsOnly->Check(false);
    EXPECT_EQ(HostItem(dialog, 1)->mark, kAIPanelFlyoutMenuItemMarkNone);
}

TEST_F(MenuTest, AChosenItemRunsItsEntrysHandlerOnlyAndADeletedEntryIsForgotten)
{
    TestPanel dialog;
    int first = 0;
    int second = 0;
    CountingEntry* disabled = nullptr;
    dialog.create = [&] {
        new CountingEntry(dialog.GetFlyoutMenu(), "First", first);
        disabled = new CountingEntry(dialog.GetFlyoutMenu(), "Second", second);
    };
    ASSERT_EQ(dialog.CreatePanel("Menu Panel", 5, false, 16100), kNoErr);
    EXPECT_TRUE(host.Panels().ChooseFlyoutItem(Panel(dialog), 1));
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 0);
    disabled->Enable(false);
    EXPECT_FALSE(host.Panels().ChooseFlyoutItem(Panel(dialog), 2));
    EXPECT_FALSE(host.Panels().ChooseFlyoutItem(Panel(dialog), 99));
    EXPECT_EQ(second, 0);
    EXPECT_FALSE(dialog.GetFlyoutMenu()->OnItemChosen(0));
    disabled->Enable(true);
    delete disabled;
    EXPECT_EQ(dialog.GetFlyoutMenu()->NumberOfEntries(), 1u);
    EXPECT_FALSE(dialog.GetFlyoutMenu()->OnItemChosen(2));
    EXPECT_EQ(second, 0);
}

TEST_F(MenuTest, WithoutTheHostSuiteTheMenuIsInert)
{
    m_suites.flyoutMenu = nullptr;
    RVADM_Host::Install(m_suites);
    TestPanel dialog;
    int chosen = 0;
    dialog.create = [&] { new CountingEntry(dialog.GetFlyoutMenu(), "Nothing", chosen); };
    ASSERT_EQ(dialog.CreatePanel("Menu Panel", 5, false, 16100), kNoErr);
    EXPECT_EQ(dialog.GetFlyoutMenu()->GetHostMenu(), nullptr);
    EXPECT_EQ(Panel(dialog).flyoutMenu, nullptr);
    EXPECT_EQ(dialog.GetFlyoutMenu()->FindEntry(0), nullptr);
}

TEST_F(MenuTest, DemoPanelWithListsAndAnOpenFlyoutMenu)
{
    TestPanel dialog;
    RVADM_ListBox* list = nullptr;
    RVADM_DropDownList* zoom = nullptr;
    std::vector<std::unique_ptr<RVADM_ComboEntry>> zooms;
    int chosen = 0;
    dialog.create = [&] {
        (new CountingEntry(dialog.GetFlyoutMenu(), "Show Separations Only", chosen))->Check(true);
        new CountingEntry(dialog.GetFlyoutMenu(), "Dot Gain Settings...", chosen);
        (new CountingEntry(dialog.GetFlyoutMenu(), "Link Views", chosen))->Enable(false);
        list = new RVADM_ListBox(&dialog, false);
        for (const char* name : {"Coated FOGRA39", "Uncoated FOGRA29", "Newsprint 26", "Web Coated SWOP"})
            new RVADM_ListEntry(list, name);
        zoom = new RVADM_DropDownList(&dialog);
        for (const char* level : {"50%", "100%", "200%", "Fit ArtBoard"})
            zooms.push_back(std::make_unique<RVADM_ComboEntry>(zoom, level));
        zooms[0]->SetPicture(16209);
        zooms[1]->SetPicture(-1);
    };
    dialog.layout = [&] {
        zoom->SetSize(120, dialog.GetStyle().Get(DialogMetrics::kDropDownHeight) + 6);
        RVADM_Item::PlaceInParent(zoom, kAlignMoveLeft | kAlignMoveTop);
        RVADM_Rect inner;
        dialog.GetInnerRect(inner);
        list->SetHeightInRows(inner.Width(), inner.bottom - zoom->GetBottom() - 4);
        RVADM_Item::MoveBelow(zoom, list, kAlignMoveLeft, 4);
    };
    ASSERT_EQ(dialog.CreatePanel("Toolkit Lists", 5, false, 16100), kNoErr);
    dialog.ShowPanel(true);
    hostsim::PanelCenter::Resize(Panel(dialog), {260, 160});
    zooms[1]->Select(true);
    list->GetEntry(1)->Select(true);

    std::unique_ptr<QMenu> flyout = host.Panels().OpenFlyoutMenu(Panel(dialog));
    ASSERT_NE(flyout, nullptr);
    QApplication::processEvents();
    ASSERT_EQ(flyout->actions().size(), 3);
    EXPECT_TRUE(flyout->actions().at(0)->isChecked());
    EXPECT_FALSE(flyout->actions().at(2)->isEnabled());
    EXPECT_EQ(list->GetTop(), zoom->GetBottom() + 4);
    EXPECT_EQ(list->GetActiveEntry(), list->GetEntry(1));

    const QImage panel = hostsim::PanelCenter::WindowOf(Panel(dialog)).grab().toImage();
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
    EXPECT_EQ(chosen, 1);
}

} // namespace
} // namespace qRVADM
