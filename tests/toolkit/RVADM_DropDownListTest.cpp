// Drop-down lists and their combo entries on a stand-in panel dialog.

#include "ToolkitTestSupport.h"

#include "toolkit/RVADM_ComboEntry.h"
#include "toolkit/RVADM_ComboEntrySeparator.h"
#include "toolkit/RVADM_DropDownList.h"
#include "toolkit/RVADM_Pictures.h"

#include "RVADMQtManager.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCursor>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

#include <memory>

namespace qRVADM {
namespace {

using toolkittest::PanelStandInDialog;

constexpr std::int32_t kGreenLight = 16209;

class DropDownListTest : public testing::Test
{
protected:
    void SetUp() override
    {
        combo = new RVADM_DropDownList(&dialog);
        for (const char* text : {"100%", "200%", "Fit ArtBoard"})
            entries.push_back(std::make_unique<RVADM_ComboEntry>(combo, text));
    }

    PanelStandInDialog dialog;
    RVADM_DropDownList* combo = nullptr;
    std::vector<std::unique_ptr<RVADM_ComboEntry>> entries;
};

TEST_F(DropDownListTest, RowsCarryTheEntryAndItsPictureIdAndASeparatorIsAMarkedRow)
{
    entries[1]->SetPicture(kGreenLight);
    EXPECT_EQ(combo->itemData(1, 256).value<void*>(), static_cast<void*>(entries[1].get()));
    EXPECT_EQ(combo->itemData(1, 257).toInt(), kGreenLight);
    EXPECT_EQ(combo->itemData(0, 257).toInt(), 0);
    EXPECT_EQ(combo->GetEntry(2), entries[2].get());
    EXPECT_EQ(combo->FindEntry("fit"), entries[2].get());
    EXPECT_EQ(combo->maxVisibleItems(), 32);
    EXPECT_EQ(combo->GetKind(), kKindDropDownList);
    RVADM_ComboEntrySeparator separator(combo);
    EXPECT_EQ(combo->count(), 4);
    EXPECT_EQ(combo->GetEntry(3), &separator);
    EXPECT_EQ(combo->itemData(3, Qt::AccessibleDescriptionRole).toString(), QStringLiteral("separator"));
}

TEST_F(DropDownListTest, EntriesFindTheirRowAfterOthersMoveAndDeletingOneRemovesItsRow)
{
    combo->insertItem(0, QStringLiteral("foreign"));
    entries[0]->Remove();
    EXPECT_EQ(entries[0]->GetIndex(), -1);
    EXPECT_EQ(entries[2]->GetIndex(), 2);
    entries[2]->SetText("Fit Graphics");
    EXPECT_EQ(combo->itemText(2), QStringLiteral("Fit Graphics"));
    entries[0]->SetText("ignored");  // a removed row takes nothing
    EXPECT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->GetEntry(0), nullptr);
    entries[1].reset();
    EXPECT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->GetEntry(1), entries[2].get());
}

TEST_F(DropDownListTest, SelectingDoesNotNotifyButChoosingDoes)
{
    entries[1]->Select(true);
    EXPECT_TRUE(entries[1]->IsSelected());
    EXPECT_EQ(combo->GetActiveEntry(), entries[1].get());
    EXPECT_TRUE(combo->SelectEntryByText("fit"));
    EXPECT_EQ(combo->currentIndex(), 2);
    combo->SelectIndex(0);
    EXPECT_EQ(combo->currentIndex(), 0);
    combo->SelectIndex(7);
    EXPECT_EQ(combo->currentIndex(), 0);
    entries[2]->Select(false);  // not the current row: nothing changes
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
    EXPECT_EQ(combo->itemIcon(0).pixmap(16).toImage(), LoadPicture(kGreenLight, 1.0, 0).toImage());
    const QIcon blank = combo->itemIcon(1);
    ASSERT_FALSE(blank.isNull());
    const QImage image = blank.pixmap(combo->iconSize()).toImage();
    EXPECT_EQ(image.size(), combo->iconSize());
    bool anyInk = false;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            anyInk = anyInk || image.pixelColor(x, y).alpha() != 0;
    EXPECT_FALSE(anyInk);
    EXPECT_TRUE(combo->itemIcon(2).isNull());
    const QImage light = combo->itemIcon(0).pixmap(16).toImage();
    RVADMQtManager::QtManager::SetDarkMode(true);
    QEvent themeChanged(static_cast<QEvent::Type>(RVADM_DropDownList::kCustomEventType));
    QApplication::sendEvent(combo, &themeChanged);
    const QImage dark = combo->itemIcon(0).pixmap(16).toImage();
    RVADMQtManager::QtManager::SetDarkMode(false);
    EXPECT_EQ(dark, LoadPicture(kGreenLight, 1.0, 3).toImage());
    EXPECT_NE(dark, light);
}

TEST_F(DropDownListTest, HighlightMovesAVisibleToolTipToTheRowsTip)
{
    entries[1]->SetTipString("Twice the size");
    combo->itemHighlighted(1);
    EXPECT_FALSE(QToolTip::isVisible());
    QToolTip::showText(QCursor::pos(), QStringLiteral("previous"), combo);
    ASSERT_TRUE(QToolTip::isVisible());
    combo->itemHighlighted(1);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Twice the size"));
    entries[2]->SetTipString("Whole page");
    combo->itemHighlighted(2);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Whole page"));
    QToolTip::hideText();
}

TEST(DropDownListLifetime, EntryOutlivingItsListIsHarmless)
{
    auto panel = std::make_unique<PanelStandInDialog>();
    auto* combo = new RVADM_DropDownList(panel.get());
    RVADM_ComboEntry entry(combo, "Orphan");
    panel.reset();
    entry.SetText("still safe");
    entry.SetPicture(kGreenLight);
    EXPECT_EQ(entry.GetIndex(), -1);
    EXPECT_FALSE(entry.IsSelected());
    EXPECT_TRUE(entry.EntryText().isEmpty());
}

TEST(DropDownListOnPanel, TakesNoFocusOnANonModalDialog)
{
    PanelStandInDialog panel;
    RVADMQtManager::QtManager::MakeDVAStyleAware(&panel, true);
    auto* combo = new RVADM_DropDownList(&panel);
    EXPECT_EQ(combo->focusPolicy(), Qt::NoFocus);
    RVADMQtManager::QtManager::MakeDVAStyleAware(&panel, false);
}

} // namespace
} // namespace qRVADM
