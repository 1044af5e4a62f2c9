#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

// The window that shows the tiles of a proof export done and offers Cancel (Escape and closing
// the window cancel too). Application-modal while shown, so the host takes no other input during
// the export; it is no dialog with an answer, so a host script leaves it running. Host UI thread.
class ProofProgress final : public QWidget
{
public:
    // Shown at once, with none of `total` tiles done.
    explicit ProofProgress(int total);

    // Shows `done` tiles and handles the events that came meanwhile; false once cancelled.
    bool Update(int done);
    bool IsCancelled() const { return m_cancelled; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Cancel();

    int m_total;
    bool m_cancelled = false;
    QLabel* m_text;
    QProgressBar* m_bar;
    QPushButton* m_cancel;
};
