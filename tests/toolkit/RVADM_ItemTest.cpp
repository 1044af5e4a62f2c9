#include "ToolkitTestSupport.h"

#include "toolkit/RVADM_Frame.h"
#include "toolkit/RVADM_RadioGroup.h"
#include "toolkit/internal/RVADM_NumericEditAccess.h"

#include "RVADMQtManager.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>

namespace qRVADM {

namespace {

using toolkittest::PanelStandInDialog;
using toolkittest::RecordingItem;
using toolkittest::RecordingModalDialog;

using LineEditItem = RecordingItem<QLineEdit>;
using LabelItem = RecordingItem<QLabel>;
using ButtonItem = RecordingItem<QPushButton>;

class ItemTest : public testing::Test
{
protected:
    RecordingModalDialog dialog;
};

TEST_F(ItemTest, CachedTextIsTheArgumentWhileTheWidgetShowsWhatItShows)
{
    auto* edit = new LineEditItem(&dialog, kKindTextEdit);
    char buffer[64] = "garbage";
    edit->GetText(buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "");
    edit->SetText("$$$/Viewer/Title=Viewer", true);
    edit->setText(QStringLiteral("typed by the user"));
    edit->GetText(buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "$$$/Viewer/Title=Viewer");
    edit->GetText(buffer, sizeof buffer, true);
    EXPECT_STREQ(buffer, "typed by the user");

    auto* label = new LabelItem(&dialog, kKindLabel);
    char16_t wide[8] = u"garbage";
    label->SetTextW(u"wide");
    label->GetTextW(wide, 8);
    EXPECT_EQ(std::u16string(wide), u"");
    label->GetTextW(wide, 8, true);
    EXPECT_EQ(std::u16string(wide), u"wide");
    label->SetText("\xC3\xA9\xC3\xA9"); // "éé"
    char tight[4];
    label->GetText(tight, sizeof tight, true);
    EXPECT_STREQ(tight, "\xC3\xA9");
}

TEST_F(ItemTest, SetTextWithFitTakesTheBestSizeKeepingTheTopLeft)
{
    auto* button = new ButtonItem(&dialog, kKindTextPushButton);
    button->SetBoundsRect({5, 6, 7, 8});
    button->SetText("A rather long button text", false, true);
    EXPECT_EQ(button->GetLeft(), 5);
    EXPECT_EQ(button->GetTop(), 6);
    EXPECT_EQ(button->GetWidth(), button->sizeHint().width());
    EXPECT_EQ(button->GetHeight(), button->sizeHint().height());
}

TEST_F(ItemTest, ToolTipThatLooksLikeHtmlShowsLiterally)
{
    auto* label = new LabelItem(&dialog, kKindLabel);
    label->SetTipString("<b>bold</b>");
    EXPECT_NE(label->toolTip(), QStringLiteral("<b>bold</b>"));
    EXPECT_TRUE(label->toolTip().contains(QStringLiteral("&lt;b&gt;bold&lt;/b&gt;")));
    label->SetTipString("<b>bold</b>", false, true);
    EXPECT_EQ(label->toolTip(), QStringLiteral("<b>bold</b>"));
    label->SetTipString("plain tip");
    EXPECT_EQ(label->toolTip(), QStringLiteral("plain tip"));
    label->SetTipString(nullptr);
    EXPECT_TRUE(label->toolTip().isEmpty());
}

class NumericStandIn : public RecordingItem<QSpinBox>, public internal::RVADM_NumericEditAccess
{
public:
    explicit NumericStandIn(RVADM_ItemParent* parent)
        : RecordingItem<QSpinBox>(parent, kKindTextEdit)
    {
    }
    void ReplaceText(const QString& text) override { replaced = text; }
    bool TakeChangedFlag() override { return std::exchange(changed, false); }

    QString replaced;
    bool changed = false;
};

TEST_F(ItemTest, SetTextIntReplacesTheTextOfANumericEditAndThrowsOnAnUnknownWidget)
{
    auto* plain = new RecordingItem<QWidget>(&dialog, kKindCustomItem);
    try {
        plain->SetTextInt(QStringLiteral("x"));
        FAIL() << "no exception";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "Call to SetTextInt() failed!");
    }
    auto* spin = new RecordingItem<QSpinBox>(&dialog, kKindTextEdit);
    EXPECT_THROW(spin->SetTextInt(QStringLiteral("1")), std::runtime_error);
    auto* numeric = new NumericStandIn(&dialog);
    numeric->SetTextInt(QStringLiteral("12 mm"));
    EXPECT_EQ(numeric->replaced, QStringLiteral("12 mm"));
}

TEST_F(ItemTest, SetBoundsRectNotifiesCodeOne)
{
    auto* label = new LabelItem(&dialog, kKindLabel);
    label->codes.clear();
    label->SetBoundsRect({10, 20, 110, 45});
    EXPECT_EQ(label->codes, std::vector<std::int32_t>{kNotifyBoundsChanged});
    RVADM_Rect bounds;
    label->GetBoundsRect(bounds);
    EXPECT_EQ(bounds, (RVADM_Rect{10, 20, 110, 45}));
    EXPECT_EQ(label->geometry(), QRect(10, 20, 100, 25));
}

TEST_F(ItemTest, ItemOnARadioGroupLiesOnTheGroupsParent)
{
    RVADM_RadioGroup group(&dialog);
    auto* first = new RecordingItem<QRadioButton>(&group, kKindRadioButton);
    auto* second = new RecordingItem<QRadioButton>(&group, kKindRadioButton);
    EXPECT_EQ(first->GetParent(), &dialog);
    EXPECT_EQ(first->parentWidget(), &dialog);
    EXPECT_EQ(first->GetDialog(), &dialog);
    EXPECT_EQ(group.GetButtonGroup().buttons().size(), 2);
    first->setChecked(true);
    second->setChecked(true);
    EXPECT_FALSE(first->isChecked());
}

struct FontCase
{
    int variant;
    int pixelSize;
    int weight;
    bool italic;
    bool fixed;
};

// Variant 0 chooses by the dialog's family; 9 and 14 lie outside the table.
constexpr FontCase kFonts[] = {
    {0, 12, 50, false, false}, {2, 10, 50, false, false}, {7, 12, 75, true, false},
    {12, 12, 75, true, true},  {13, 11, 50, false, false},
};

TEST_F(ItemTest, FontVariantsFollowTheTableAndKeepTheFamilyUnlessFixed)
{
    for (const FontCase& c : kFonts) {
        SCOPED_TRACE(c.variant);
        auto* label = new LabelItem(&dialog, kKindLabel);
        label->SetFontSize(c.variant);
        EXPECT_EQ(label->font().pixelSize(), c.pixelSize);
        EXPECT_EQ(label->font().weight(), c.weight);
        EXPECT_EQ(label->font().italic(), c.italic);
        EXPECT_EQ(label->font().family() == QStringLiteral("Consolas,Lucida Console,Courier New"), c.fixed);
    }
    auto* label = new LabelItem(&dialog, kKindLabel);
    label->SetFontSize(11);
    label->SetFontSize(2);
    EXPECT_EQ(label->font().family(), QStringLiteral("Consolas,Lucida Console,Courier New"));
    EXPECT_EQ(label->font().pixelSize(), 10);
    label->SetFontSize(9);
    label->SetFontSize(14);
    EXPECT_EQ(label->font().toString(), QApplication::font().toString());

    PanelStandInDialog panel;
    RVADMQtManager::QtManager::MakeDVAStyleAware(&panel, true);
    auto* onPanel = new LabelItem(&panel, kKindLabel);
    onPanel->SetFontSize(0);
    EXPECT_EQ(onPanel->font().pixelSize(), 10);
    EXPECT_EQ(onPanel->GetWidth(), onPanel->sizeHint().width());
}

TEST_F(ItemTest, TextWidthIsMinusOneWithoutTextAndTheMetricReadsTheWidget)
{
    auto* label = new LabelItem(&dialog, kKindLabel);
    EXPECT_EQ(label->GetTextWidth(nullptr), -1);
    EXPECT_EQ(label->GetTextWidth("abc"), QFontMetrics(label->font()).boundingRect(QStringLiteral("abc")).width() + 1);
    EXPECT_EQ(DialogMetrics::TextWidth(*label), 250);
    label->setText(QStringLiteral("measured"));
    EXPECT_EQ(DialogMetrics::TextWidth(*label),
              QFontMetrics(label->font()).boundingRect(QStringLiteral("measured")).width() + 1);
}

} // namespace
} // namespace qRVADM
