#include "ControlTestSupport.h"
#include "ToolkitTestSupport.h"

#include "toolkit/RVADM_PictureLabel.h"

#include <QTest>

namespace qRVADM {
namespace {

using toolkittest::Codes;
using toolkittest::Recorded;

constexpr std::int32_t kInfoIcon = 16101; // 32 logical pixels, light and dark

using PictureLabelTest = toolkittest::ControlDialogFixture;

TEST_F(PictureLabelTest, TakesThePictureSize)
{
    auto* label = new RVADM_PictureLabel(&dialog, kInfoIcon);
    EXPECT_EQ(label->GetKind(), 9u);
    EXPECT_EQ(label->size(), QSize(32, 32));
    label->SetPicture(16209);
    EXPECT_EQ(label->size(), QSize(16, 16));
}

TEST_F(PictureLabelTest, OnlyAReleaseInsideAfterAPressNotifies)
{
    auto* label = new Recorded<RVADM_PictureLabel>(&dialog, kInfoIcon);
    QTest::mousePress(label, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(label->UserCodes().empty());
    QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(label->UserCodes(), Codes{2});
    QTest::mousePress(label, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(40, 5));
    QTest::mousePress(label, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(5, -1));
    EXPECT_EQ(label->UserCodes(), Codes{2});
    EXPECT_EQ(dialog.notified, std::vector<RVADM_Item*>{label});
}

TEST_F(PictureLabelTest, PixelsOfNegativeIdAreTheBackgroundOnly)
{
    auto* label = new RVADM_PictureLabel(&dialog, kInfoIcon);
    label->SetPicture(-1);
    EXPECT_EQ(label->size(), QSize(32, 32));
    const QImage grabbed = label->grab().toImage();
    const QRgb background = dialog.palette().color(QPalette::Window).rgb();
    for (int y = 0; y < grabbed.height(); ++y) {
        for (int x = 0; x < grabbed.width(); ++x)
            ASSERT_EQ(grabbed.pixel(x, y), background) << x << "," << y;
    }
}

} // namespace
} // namespace qRVADM
