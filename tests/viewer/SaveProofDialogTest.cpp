// The save dialog of the proof driven as a person does, the progress window's Cancel and the
// message of every outcome of an export.

#include "tests/settings/ui/ModalScript.h"
#include "tests/toolkit/HostPanelFixture.h"
#include "viewer/panel/ProofMessages.h"
#include "viewer/panel/ProofProgress.h"
#include "viewer/panel/SaveProofDialog.h"

namespace {

using namespace modal;
using Outcome = ProofExporter::Outcome;

constexpr const char* kTitle = "Save Proof As...";

const SaveProofDialog::Choice kShown{ProofArea::ShownView, 600, ProofFormat::Tiff};

using SaveProofDialogTest = toolkittest::HostPanelFixture;

// A resolution typed beyond a limit is kept at the limit; what cannot be read keeps the value.
TEST_F(SaveProofDialogTest, TheResolutionStaysWithinItsLimits)
{
    struct Case
    {
        const char* typed;
        int ppi;
    };
    for (const Case& typed : {Case{"5000", 2400}, Case{"10", 72}, Case{"72", 72}, Case{"2400", 2400},
                              Case{"1199.6", 1200}, Case{"ppi", 600}}) {
        SaveProofDialog dialog(kShown);
        Script script({{kTitle, All({Type(0, typed.typed), Press("Save...")})}});
        ASSERT_EQ(dialog.Modal(kTitle, true), 1) << typed.typed;
        EXPECT_EQ(dialog.GetChoice().ppi, typed.ppi) << typed.typed;
    }
}

// The dialog shows the choices it was given; Save takes the lists' rows, Cancel keeps everything.
TEST_F(SaveProofDialogTest, SaveTakesTheListsAndTheFieldCancelKeepsTheChoices)
{
    const auto choose = [](int list, int row) {
        return [list, row](QDialog& dialog) { Items<QComboBox>(dialog).at(list)->setCurrentIndex(row); };
    };
    QStringList shown;
    const auto look = [&shown](QDialog& dialog) {
        for (const QComboBox* list : Items<QComboBox>(dialog))
            shown << list->currentText();
        shown << Items<QAbstractSpinBox>(dialog).at(0)->text();
    };
    SaveProofDialog saved(kShown);
    {
        Script saving({{kTitle, All({look, choose(0, 1), choose(1, 0), Type(0, "150"), Press("Save...")})}});
        ASSERT_EQ(saved.Modal(kTitle, true), 1);
    }
    EXPECT_EQ(shown, (QStringList{"Shown View", "TIFF", "600"}));
    EXPECT_EQ(saved.GetChoice().area, ProofArea::ArtworkBounds);
    EXPECT_EQ(saved.GetChoice().format, ProofFormat::Png);
    EXPECT_EQ(saved.GetChoice().ppi, 150);

    SaveProofDialog cancelled(kShown);
    Script cancelling({{kTitle, All({choose(0, 0), Type(0, "150"), Press("Cancel")})}});
    ASSERT_EQ(cancelled.Modal(kTitle, true), 2);
    EXPECT_EQ(cancelled.GetChoice().area, ProofArea::ShownView);
    EXPECT_EQ(cancelled.GetChoice().ppi, 600);
}

// Tab reads down the dialog: area, resolution, format, then the buttons.
TEST_F(SaveProofDialogTest, TabMovesThroughTheFieldsInReadingOrder)
{
    QStringList chain;
    const auto focused = [](QDialog& dialog) -> QString {
        for (QWidget* owner = dialog.focusWidget(); owner != nullptr; owner = owner->parentWidget()) {
            if (const auto* list = qobject_cast<QComboBox*>(owner))
                return list->currentText();
            if (qobject_cast<QAbstractSpinBox*>(owner))
                return "resolution";
            if (const auto* button = qobject_cast<QAbstractButton*>(owner))
                return button->text();
        }
        return "elsewhere";
    };
    SaveProofDialog dialog(kShown);
    Script script({{kTitle, [&](QDialog& d) {
                        QApplication::setActiveWindow(&d);
                        Items<QComboBox>(d).at(0)->setFocus(Qt::OtherFocusReason);
                        chain << focused(d);
                        for (int i = 0; i < 4; ++i) {
                            QTest::keyClick(d.focusWidget(), Qt::Key_Tab);
                            chain << focused(d);
                        }
                        Press("Cancel")(d);
                    }}});
    dialog.Modal(kTitle, true);
    EXPECT_EQ(chain, (QStringList{"Shown View", "resolution", "TIFF", "Save...", "Cancel"}));
}

// Each failure has a text of its own, naming the file where the file is the trouble; a written or
// cancelled export says nothing.
TEST_F(SaveProofDialogTest, EveryOutcomeHasItsMessage)
{
    struct Case
    {
        ProofExporter::Result result;
        const char* text;
    };
    const Case cases[] = {
        {{Outcome::Written}, ""},
        {{Outcome::Cancelled}, ""},
        {{Outcome::FileFailed, FileFailure::Missing}, "The folder of /p/a.png cannot be found. No file was written."},
        {{Outcome::FileFailed, FileFailure::ReadOnly}, "The folder of /p/a.png is read-only. No file was written."},
        {{Outcome::FileFailed, FileFailure::Full},
         "The disk is full, so /p/a.png could not be written. No file was left behind."},
        {{Outcome::FileFailed, FileFailure::Other}, "The file /p/a.png could not be written. No file was left behind."},
        {{Outcome::InvalidRequest}, "The area is empty, or too large at this resolution. No file was written."},
        {{Outcome::TargetExists},
         "The file /p/a.png appeared while the proof was being written and was left as it was."},
        {{Outcome::RenderFailed}, "The engine could not render the proof. No file was written."},
        {{Outcome::OutOfMemory},
         "There is not enough memory to save the proof at this resolution. No file was written."},
    };
    for (const Case& outcome : cases)
        EXPECT_EQ(ProofMessages::OutcomeText(outcome.result, "/p/a.png"), outcome.text);

    // Shown as a message with one button; the replacing is confirmed only by its own button.
    Script script({{"Proof Not Saved", Press("OK")},
                   {"Replace File", Press("Cancel")},
                   {"Replace File", Press("Replace")}});
    ProofMessages::ShowOutcome({Outcome::RenderFailed}, "/p/a.png");
    EXPECT_FALSE(ProofMessages::ConfirmReplace("/p/a.png"));
    EXPECT_TRUE(ProofMessages::ConfirmReplace("/p/a.png"));
}

// The window counts the tiles; Cancel, Escape and closing the window each make the next update
// answer false, which stops the export.
TEST_F(SaveProofDialogTest, TheProgressCountsTilesAndCancelStopsAtTheNextUpdate)
{
    const std::vector<std::function<void(ProofProgress&)>> cancels = {
        [](ProofProgress& progress) { QTest::mouseClick(progress.findChild<QPushButton*>(), Qt::LeftButton); },
        [](ProofProgress& progress) { QTest::keyClick(&progress, Qt::Key_Escape); },
        [](ProofProgress& progress) { progress.close(); },
    };
    for (const auto& cancel : cancels) {
        ProofProgress progress(12);
        EXPECT_TRUE(progress.isVisible());
        EXPECT_TRUE(progress.isModal());
        ASSERT_TRUE(progress.Update(3));
        EXPECT_EQ(progress.findChild<QLabel*>()->text(), "Tile 3 of 12");
        EXPECT_EQ(progress.findChild<QProgressBar*>()->value(), 3);
        cancel(progress);
        EXPECT_FALSE(progress.Update(4));
        EXPECT_TRUE(progress.IsCancelled());
    }
}

}  // namespace
