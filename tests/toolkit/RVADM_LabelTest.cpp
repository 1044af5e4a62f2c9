#include "ControlTestSupport.h"
#include "ToolkitTestSupport.h"

#include "toolkit/RVADM_Label.h"

#include "RVADMQtManager.h"

#include <QTest>

namespace qRVADM {
namespace {

using toolkittest::Codes;
using toolkittest::Recorded;

class LabelTest : public toolkittest::ControlDialogFixture
{
protected:
    QColor DialogText() const { return dialog.palette().color(QPalette::WindowText); }
};

// Regression: the label used to handle the press first, so the application saw the state after
// it (here: the selection the press clears).
TEST_F(LabelTest, ClickNotifiesBeforeTheLabelHandlesThePress)
{
    auto* label = new Recorded<RVADM_Label>(&dialog, "selectable text");
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setSelection(0, 10);
    bool selectedWhenNotified = false;
    label->onNotify = [&](std::int32_t) { selectedWhenNotified = label->hasSelectedText(); };
    QTest::mousePress(label, Qt::LeftButton, {}, QPoint(label->width() - 2, label->height() / 2));
    EXPECT_EQ(label->UserCodes(), Codes{2});
    EXPECT_TRUE(selectedWhenNotified);
    EXPECT_FALSE(label->hasSelectedText());
    EXPECT_EQ(dialog.notified, std::vector<RVADM_Item*>{label});
}

TEST_F(LabelTest, InvalidTextColourRestoresTheStyleColourAndItsThemeChanges)
{
    auto* label = new RVADM_Label(&dialog, "Warning");
    label->SetTextColor(Qt::red);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::red));
    RVADMQtManager::QtManager::SetDarkMode(true);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::red));
    label->SetTextColor(QColor());
    EXPECT_EQ(label->palette().color(QPalette::WindowText), DialogText());
    RVADMQtManager::QtManager::SetDarkMode(false);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), DialogText());
}

TEST_F(LabelTest, BackgroundColourIsPaintedUntilItIsInvalid)
{
    auto* label = new RVADM_Label(&dialog, "   ");
    EXPECT_EQ(label->size(), label->sizeHint());
    const QColor dialogBackground = dialog.palette().color(QPalette::Window);
    label->SetBackgroundColor(QColor(10, 200, 30));
    EXPECT_EQ(label->grab().toImage().pixelColor(1, 1), QColor(10, 200, 30));
    label->SetBackgroundColor(QColor());
    EXPECT_FALSE(label->autoFillBackground());
    EXPECT_EQ(label->palette().color(QPalette::Window), dialogBackground);
}

} // namespace
} // namespace qRVADM
