#include "ToolkitTestSupport.h"

#include "toolkit/RVADM_Frame.h"
#include "toolkit/RVADM_RadioGroup.h"
#include "toolkit/internal/RVADM_NumericEditAccess.h"

#include "RVADMQtManager.h"

#include <QAbstractSpinBox>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

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

TEST_F(ItemTest, CachedTextIsTheArgumentWhileTheWidgetShowsTheTranslation)
{
    auto* edit = new LineEditItem(&dialog, kKindTextEdit);
    edit->SetText("$$$/Viewer/Title=Viewer", true);
    edit->setText(QStringLiteral("typed by the user"));
    char buffer[64];
    edit->GetText(buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "$$$/Viewer/Title=Viewer");
    edit->GetText(buffer, sizeof buffer, true);
    EXPECT_STREQ(buffer, "typed by the user");
}

TEST_F(ItemTest, GetTextWithoutTextOrFromWidgetIsEmpty)
{
    auto* label = new LabelItem(&dialog, kKindLabel);
    char buffer[8] = "garbage";
    label->GetText(buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "");
    char16_t wide[8] = u"garbage";
    label->SetText("abc");
    label->GetTextW(wide, 8);
    EXPECT_EQ(std::u16string(wide), u"");
    label->GetTextW(wide, 8, true);
    EXPECT_EQ(std::u16string(wide), u"abc");
}

TEST_F(ItemTest, GetTextFromWidgetNeverCutsAUtf8Character)
{
    auto* label = new LabelItem(&dialog, kKindLabel);
    label->SetText("\xC3\xA9\xC3\xA9"); // "éé"
    char buffer[4];
    label->GetText(buffer, sizeof buffer, true);
    EXPECT_STREQ(buffer, "\xC3\xA9");
}

TEST_F(ItemTest, SetTextWLeavesTheCachedTextAlone)
{
    auto* label = new LabelItem(&dialog, kKindLabel);
    label->SetText("cached");
    label->SetTextW(u"wide");
    char buffer[16];
    label->GetText(buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "cached");
    EXPECT_EQ(label->text(), QStringLiteral("wide"));
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

template <class W>
QString RoundTrip(RVADM_Dialog& dialog, const QString& text)
{
    auto* item = new RecordingItem<W>(&dialog, kKindLabel);
    item->SetTextInt(text);
    QString back;
    item->GetTextInt(back);
    delete item;
    return back;
}

TEST_F(ItemTest, TextGoesThroughEachKnownWidgetClass)
{
    const QString text = QStringLiteral("round trip");
    EXPECT_EQ(RoundTrip<QPushButton>(dialog, text), text);
    EXPECT_EQ(RoundTrip<QToolButton>(dialog, text), text);
    EXPECT_EQ(RoundTrip<QLineEdit>(dialog, text), text);
    EXPECT_EQ(RoundTrip<QTextEdit>(dialog, text), text);
    EXPECT_EQ(RoundTrip<QPlainTextEdit>(dialog, text), text);
    EXPECT_EQ(RoundTrip<QGroupBox>(dialog, text), text);
    EXPECT_EQ(RoundTrip<QLabel>(dialog, text), text);
}

TEST_F(ItemTest, SetTextIntOnAnUnknownWidgetThrows)
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

TEST_F(ItemTest, SetTextIntOnANumericEditReplacesItsText)
{
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

TEST_F(ItemTest, GeometryHelpersKeepWhatTheyShould)
{
    auto* label = new LabelItem(&dialog, kKindLabel);
    label->SetBoundsRect({10, 20, 110, 45});
    label->SetWidth(50);
    EXPECT_EQ(label->GetRight(), 60);
    label->SetHeight(5);
    EXPECT_EQ(label->GetBottom(), 25);
    label->MoveTo(1, 2);
    EXPECT_EQ((RVADM_Rect{label->GetLeft(), label->GetTop(), label->GetRight(), label->GetBottom()}),
              (RVADM_Rect{1, 2, 51, 7}));
    label->Move(10, 10);
    EXPECT_EQ(label->GetLeft(), 11);
    EXPECT_EQ(label->GetWidth(), 50);
    label->Grow(5, 6);
    std::int32_t w = 0;
    std::int32_t h = 0;
    label->GetSize(w, h);
    EXPECT_EQ(w, 55);
    EXPECT_EQ(h, 11);
    label->codes.clear();
    label->Grow(0, 0);
    EXPECT_TRUE(label->codes.empty());
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

constexpr FontCase kFonts[] = {
    {1, 12, 50, false, false}, {2, 10, 50, false, false}, {3, 12, 50, true, false}, {4, 10, 50, true, false},
    {5, 12, 75, false, false}, {6, 10, 75, false, false}, {7, 12, 75, true, false}, {8, 10, 75, true, false},
    {9, 12, 50, false, true},  {10, 12, 50, true, true},  {11, 12, 75, false, true}, {12, 12, 75, true, true},
    {13, 11, 50, false, false},
};

TEST_F(ItemTest, FontVariantsFollowTheTable)
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
}

TEST_F(ItemTest, FontVariantOutsideTheTableIsTheApplicationFont)
{
    auto* label = new LabelItem(&dialog, kKindLabel);
    label->SetFontSize(9);
    label->SetFontSize(14);
    EXPECT_EQ(label->font().toString(), QApplication::font().toString());
}

TEST_F(ItemTest, FontVariantKeepsTheFamilyUnlessFixed)
{
    auto* label = new LabelItem(&dialog, kKindLabel);
    label->SetFontSize(11);
    label->SetFontSize(2);
    EXPECT_EQ(label->font().family(), QStringLiteral("Consolas,Lucida Console,Courier New"));
    EXPECT_EQ(label->font().pixelSize(), 10);
}

TEST_F(ItemTest, FontVariantZeroChoosesByDialogFamily)
{
    auto* onModal = new LabelItem(&dialog, kKindLabel);
    onModal->SetFontSize(0);
    EXPECT_EQ(onModal->font().pixelSize(), 12);

    PanelStandInDialog panel;
    RVADMQtManager::QtManager::MakeDVAStyleAware(&panel, true);
    auto* onPanel = new LabelItem(&panel, kKindLabel);
    onPanel->SetFontSize(0);
    EXPECT_EQ(onPanel->font().pixelSize(), 10);
    EXPECT_EQ(onPanel->GetWidth(), onPanel->sizeHint().width());
}

TEST_F(ItemTest, TextWidthIsMinusOneWithoutText)
{
    auto* label = new LabelItem(&dialog, kKindLabel);
    EXPECT_EQ(label->GetTextWidth(nullptr), -1);
    EXPECT_EQ(label->GetTextWidth("abc"), QFontMetrics(label->font()).boundingRect(QStringLiteral("abc")).width() + 1);
}

TEST_F(ItemTest, MetricTextWidthReadsTheWidgetText)
{
    auto* label = new LabelItem(&dialog, kKindLabel);
    EXPECT_EQ(DialogMetrics::TextWidth(*label), 250);
    label->setText(QStringLiteral("measured"));
    EXPECT_EQ(DialogMetrics::TextWidth(*label),
              QFontMetrics(label->font()).boundingRect(QStringLiteral("measured")).width() + 1);
}

} // namespace
} // namespace qRVADM
