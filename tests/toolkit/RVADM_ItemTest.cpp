#include "ToolkitTestSupport.h"

#include "toolkit/RVADM_RadioGroup.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace qRVADM {
namespace {

using toolkittest::RecordingItem;
using LabelItem = RecordingItem<QLabel>;

class ItemTest : public testing::Test
{
protected:
    toolkittest::RecordingModalDialog dialog;
};

TEST_F(ItemTest, CachedTextIsTheArgumentBuffersCutOnCharactersTipsShowHtmlLiterallyAndBoundsAreExclusive)
{
    auto* edit = new RecordingItem<QLineEdit>(&dialog, kKindTextEdit);
    char buffer[64] = "garbage";
    edit->GetText(buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "");
    edit->SetText("$$$/Viewer/Title=Viewer", true);
    edit->setText(QStringLiteral("typed by the user"));
    edit->GetText(buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "$$$/Viewer/Title=Viewer");

    auto* label = new LabelItem(&dialog, kKindLabel);
    char16_t wide[8] = u"garbage";
    label->SetTextW(u"wide text");
    label->GetTextW(wide, 8);
    EXPECT_EQ(std::u16string(wide), u"");
    label->GetTextW(wide, 8, true);
    EXPECT_EQ(std::u16string(wide), u"wide te");
    label->SetText("\xC3\xA9\xC3\xA9"); // "éé"
    char tight[4];
    label->GetText(tight, sizeof tight, true);
    EXPECT_STREQ(tight, "\xC3\xA9");

    auto* button = new RecordingItem<QPushButton>(&dialog, kKindTextPushButton);
    button->SetBoundsRect({5, 6, 105, 31});
    EXPECT_EQ(button->codes, std::vector<std::int32_t>{kNotifyBoundsChanged});
    EXPECT_EQ(button->geometry(), QRect(5, 6, 100, 25)); // right and bottom exclusive
    button->SetText("A rather long button text", false, true);
    EXPECT_EQ(button->geometry(), QRect(QPoint(5, 6), button->sizeHint()));

    label->SetTipString("<b>bold</b>");
    EXPECT_TRUE(label->toolTip().contains(QStringLiteral("&lt;b&gt;bold&lt;/b&gt;")));
    label->SetTipString("<b>bold</b>", false, true);
    EXPECT_EQ(label->toolTip(), QStringLiteral("<b>bold</b>"));
    label->SetTipString(nullptr);
    EXPECT_TRUE(label->toolTip().isEmpty());
}

TEST_F(ItemTest, ItemOnARadioGroupLiesOnTheGroupsParent)
{
    RVADM_RadioGroup group(&dialog);
    auto* radio = new RecordingItem<QRadioButton>(&group, kKindRadioButton);
    EXPECT_EQ(radio->GetParent(), &dialog);
    EXPECT_EQ(radio->parentWidget(), &dialog);
    EXPECT_EQ(group.GetButtonGroup().buttons(), QList<QAbstractButton*>{radio});
}

TEST_F(ItemTest, TextWidthIsMinusOneWithoutTextAndTheMetricReadsTheWidgetOr250)
{
    auto* label = new LabelItem(&dialog, kKindLabel);
    EXPECT_EQ(label->GetTextWidth(nullptr), -1);
    EXPECT_EQ(DialogMetrics::TextWidth(*label), 250);
    label->setText(QStringLiteral("measured"));
    EXPECT_EQ(DialogMetrics::TextWidth(*label), label->fontMetrics().boundingRect("measured").width() + 1);
}

} // namespace
} // namespace qRVADM
