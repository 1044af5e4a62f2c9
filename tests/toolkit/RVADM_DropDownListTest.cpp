// Drop-down lists and their combo entries on a stand-in panel dialog.

#include "ToolkitTestSupport.h"

#include "toolkit/RVADM_ComboEntry.h"
#include "toolkit/RVADM_ComboEntrySeparator.h"
#include "toolkit/RVADM_DropDownList.h"
#include "toolkit/RVADM_ListBox.h"
#include "toolkit/RVADM_Pictures.h"

#include "RVADMQtManager.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace qRVADM {
namespace {

constexpr std::int32_t kGreenLight = 16209;

class DropDownListTest : public testing::Test
{
protected:
    void SetUp() override
    {
        RVADMQtManager::QtManager::MakeDVAStyleAware(&dialog, true); // a panel's dialog
        combo = new RVADM_DropDownList(&dialog);
        for (const char* text : {"100%", "200%", "Fit ArtBoard"})
            entries.push_back(std::make_unique<RVADM_ComboEntry>(combo, text));
    }

    void TearDown() override { RVADMQtManager::QtManager::MakeDVAStyleAware(&dialog, false); }

    QImage Icon(int row) const { return combo->itemIcon(row).pixmap(16).toImage(); }

    toolkittest::PanelStandInDialog dialog;
    RVADM_DropDownList* combo = nullptr;
    std::vector<std::unique_ptr<RVADM_ComboEntry>> entries;
};

// Entries find their row by the pointer in role 256, so foreign rows and removals move nothing.
TEST_F(DropDownListTest, EntriesFindTheirRowAfterOthersMoveAndDeletingOneRemovesItsRow)
{
    combo->insertItem(0, QStringLiteral("foreign"));
    entries[0]->Remove();
    EXPECT_EQ(entries[0]->GetIndex(), -1);
    EXPECT_EQ(entries[2]->GetIndex(), 2);
    entries[2]->SetText("Fit Graphics");
    EXPECT_EQ(combo->itemText(2), QStringLiteral("Fit Graphics"));
    entries[0]->SetText("ignored");
    EXPECT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->GetEntry(0), nullptr);
    entries[1].reset();
    EXPECT_EQ(combo->GetEntry(1), entries[2].get());
    RVADM_ComboEntrySeparator separator(combo);
    EXPECT_EQ(combo->GetEntry(2), &separator);
    EXPECT_EQ(combo->itemData(2, Qt::AccessibleDescriptionRole).toString(), QStringLiteral("separator"));
}

TEST_F(DropDownListTest, ListsTakeNoFocusOnAPanelAndSelectingDoesNotNotifyButChoosingDoes)
{
    EXPECT_EQ(combo->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ((new RVADM_ListBox(&dialog, true))->focusPolicy(), Qt::NoFocus);
    entries[1]->Select(true);
    EXPECT_TRUE(entries[1]->IsSelected());
    EXPECT_EQ(combo->GetActiveEntry(), entries[1].get());
    EXPECT_TRUE(combo->SelectEntryByText("fit"));
    EXPECT_EQ(combo->currentIndex(), 2);
    combo->SelectIndex(0);
    combo->SelectIndex(7);
    entries[2]->Select(false); // not the current row: nothing changes
    EXPECT_EQ(combo->currentIndex(), 0);
    EXPECT_TRUE(dialog.notified.empty());
    Q_EMIT combo->activated(1);
    EXPECT_EQ(dialog.notified, std::vector<RVADM_Item*>{combo});
}

TEST_F(DropDownListTest, PictureIdsChooseIconBlankOrNoneAndAThemeChangeReloadsThem)
{
    entries[0]->SetPicture(kGreenLight);
    entries[1]->SetPicture(-1);
    entries[2]->SetPicture(kGreenLight);
    entries[2]->SetPicture(0);
    EXPECT_EQ(Icon(0), LoadPicture(kGreenLight, 1.0, 0).toImage());
    QImage clear(combo->iconSize(), QImage::Format_ARGB32_Premultiplied);
    clear.fill(Qt::transparent);
    EXPECT_EQ(combo->itemIcon(1).pixmap(combo->iconSize()).toImage().convertToFormat(clear.format()), clear);
    EXPECT_TRUE(combo->itemIcon(2).isNull());
    RVADMQtManager::QtManager::SetDarkMode(true);
    QEvent themeChanged(static_cast<QEvent::Type>(RVADM_DropDownList::kCustomEventType));
    QApplication::sendEvent(combo, &themeChanged);
    const QImage dark = Icon(0);
    RVADMQtManager::QtManager::SetDarkMode(false);
    EXPECT_EQ(dark, LoadPicture(kGreenLight, 1.0, 3).toImage());
    EXPECT_NE(dark, LoadPicture(kGreenLight, 1.0, 2).toImage());
}

TEST(DropDownListLifetime, EntryOutlivingItsListIsHarmless)
{
    auto panel = std::make_unique<toolkittest::PanelStandInDialog>();
    RVADM_ComboEntry entry(new RVADM_DropDownList(panel.get()), "Orphan");
    panel.reset();
    entry.SetText("still safe");
    entry.SetPicture(kGreenLight);
    EXPECT_EQ(entry.GetIndex(), -1);
    EXPECT_FALSE(entry.IsSelected());
}

} // namespace
} // namespace qRVADM
