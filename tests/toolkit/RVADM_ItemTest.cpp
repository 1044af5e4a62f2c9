#include "ToolkitTestSupport.h"

#include "toolkit/RVADM_RadioGroup.h"

#include <QApplication>
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
    auto* first = new RecordingItem<QRadioButton>(&group, kKindRadioButton);
    auto* second = new RecordingItem<QRadioButton>(&group, kKindRadioButton);
    EXPECT_EQ(first->GetParent(), &dialog);
    EXPECT_EQ(first->parentWidget(), &dialog);
    first->setChecked(true);
    second->setChecked(true);
    EXPECT_FALSE(first->isChecked());
}

// Variant 0 chooses by the dialog's family (12 pixels on a modal dialog); a variant outside the
// table gives the application's font.
TEST_F(ItemTest, FontVariantsFollowTheTableAndKeepTheFamilyUnlessFixed)
{
    struct Case
    {
        int variant, pixelSize, weight;
        bool italic, fixed;
    };
    constexpr Case kFonts[] = {
        {0, 12, 50, false, false}, {2, 10, 50, false, false}, {7, 12, 75, true, false},
        {12, 12, 75, true, true},  {13, 11, 50, false, false},
    };
    for (const Case& c : kFonts) {
        SCOPED_TRACE(c.variant);
        auto* label = new LabelItem(&dialog, kKindLabel);
        label->SetFontSize(c.variant);
        EXPECT_EQ(label->font().pixelSize(), c.pixelSize);
        EXPECT_EQ(label->font().weight(), c.weight);
        EXPECT_EQ(label->font().italic(), c.italic);
        EXPECT_EQ(label->font().family() == QStringLiteral("Consolas,Lucida Console,Courier New"), c.fixed);
    }
    auto* label = new LabelItem(&dialog, kKindLabel);
    label->SetFontSize(14);
    EXPECT_EQ(label->font().toString(), QApplication::font().toString());
}

TEST_F(ItemTest, TextWidthIsMinusOneWithoutTextAndTheMetricReadsTheWidgetOr250)
{
    auto* label = new LabelItem(&dialog, kKindLabel);
    const auto width = [label](const char* text) { return label->fontMetrics().boundingRect(text).width() + 1; };
    EXPECT_EQ(label->GetTextWidth(nullptr), -1);
    EXPECT_EQ(label->GetTextWidth("abc"), width("abc"));
    EXPECT_EQ(DialogMetrics::TextWidth(*label), 250);
    label->setText(QStringLiteral("measured"));
    EXPECT_EQ(DialogMetrics::TextWidth(*label), width("measured"));
}

} // namespace
} // namespace qRVADM
