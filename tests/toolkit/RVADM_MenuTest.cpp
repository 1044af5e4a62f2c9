// The flyout menu of a panel in the simulated host, shown beside a demo panel with a list box and
// a drop-down list for docs/.

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
    const hostsim::FlyoutMenu::Item& HostItem(ASUInt32 id)
    {
        return *host.Panels().FlyoutMenus().Find(Panel().flyoutMenu)->Find(id);
    }

    std::unique_ptr<toolkittest::TestPanel> dialog = std::make_unique<toolkittest::TestPanel>();
    std::array<int, 3> chosen{};
    std::array<CountingEntry*, 3> entries{};
};

// Entries mirror their text, mark and state into the host's menu, which lives as long as the dialog;
// only an enabled entry runs when the host reports its item chosen.
TEST_F(MenuTest, DemoPanelWithListsAndAnOpenFlyoutMenu)
{
    RVADM_ListBox* list = nullptr;
    RVADM_DropDownList* zoom = nullptr;
    std::vector<std::unique_ptr<RVADM_ComboEntry>> zooms;
    dialog->create = [&] {
        const char* const texts[] = {"Show Separations Only", "Dot Gain Settings...", "Link Views"};
        for (std::size_t i = 0; i < entries.size(); ++i)
            entries[i] = new CountingEntry(dialog->GetFlyoutMenu(), texts[i], chosen[i]);
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
    entries[0]->Check(true);
    entries[2]->Enable(false);
    entries[1]->SetText("Dot Gain Settings ...");
    EXPECT_EQ(HostItem(1).mark, kAIPanelFlyoutMenuItemMarkCheck);
    EXPECT_EQ(HostItem(2).text, u"Dot Gain Settings ...");
    EXPECT_FALSE(HostItem(3).enabled);

    std::unique_ptr<QMenu> flyout = host.Panels().OpenFlyoutMenu(Panel());
    ASSERT_NE(flyout, nullptr);
    QApplication::processEvents();
    const QImage panel = hostsim::PanelCenter::WindowOf(Panel()).grab().toImage();
    const QImage menu = flyout->grab().toImage();
    QImage shot(panel.width() + menu.width() + 8, std::max(panel.height(), menu.height()), QImage::Format_ARGB32);
    shot.fill(Qt::white);
    QPainter(&shot).drawImage(0, 0, panel);
    QPainter(&shot).drawImage(panel.width() + 8, 0, menu);
    toolkittest::SaveScreenshot(shot, "toolkit-lists-panel.png");
    flyout->actions().at(1)->trigger();
    flyout.reset();
    EXPECT_FALSE(host.Panels().ChooseFlyoutItem(Panel(), 3));
    EXPECT_FALSE(host.Panels().ChooseFlyoutItem(Panel(), 99));
    EXPECT_EQ(chosen, (std::array<int, 3>{0, 1, 0}));

    entries[0]->Check(false);
    EXPECT_EQ(HostItem(1).mark, kAIPanelFlyoutMenuItemMarkNone);
    delete entries[1];
    EXPECT_EQ(dialog->GetFlyoutMenu()->NumberOfEntries(), 2u);
    EXPECT_FALSE(dialog->GetFlyoutMenu()->OnItemChosen(2));
    const AIPanelFlyoutMenuRef hostMenu = Panel().flyoutMenu;
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

} // namespace
} // namespace qRVADM
