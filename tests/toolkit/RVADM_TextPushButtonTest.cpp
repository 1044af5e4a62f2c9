#include "ControlTestSupport.h"
#include "ToolkitTestSupport.h"

#include "toolkit/RVADM_TextPushButton.h"

#include <QTest>

namespace qRVADM {
namespace {

using toolkittest::Codes;
using toolkittest::Recorded;

TEST(TextPushButton, OnAModalDialogTakesTheFocusAndAClickNotifiesTheDialog)
{
    toolkittest::RecordingModalDialog dialog;
    auto* button = new Recorded<RVADM_TextPushButton>(&dialog, "Remove");
    EXPECT_EQ(button->font().pixelSize(), 12);
    EXPECT_EQ(button->size(), button->sizeHint());
    EXPECT_NE(button->focusPolicy(), Qt::NoFocus);
    dialog.show();
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(button->UserCodes(), Codes{2});
    EXPECT_EQ(dialog.notified, std::vector<RVADM_Item*>{button});
}

class TextPushButtonOnPanel : public toolkittest::ControlPanelFixture
{
};

TEST_F(TextPushButtonOnPanel, TakesThePanelFontAndNoKeyboardFocus)
{
    Recorded<RVADM_TextPushButton>* button = nullptr;
    OpenPanel([&] { button = new Recorded<RVADM_TextPushButton>(&panel, "Generate", true); });
    EXPECT_EQ(button->font().pixelSize(), 10);
    EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_FALSE(button->hasFocus());
    EXPECT_EQ(button->UserCodes(), Codes{2});
    EXPECT_EQ(host.ContextDepth(), 0);
    EXPECT_GT(host.ContextPushes(), 0);
}

} // namespace
} // namespace qRVADM
