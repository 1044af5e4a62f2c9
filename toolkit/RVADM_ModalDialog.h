#pragma once

#include "toolkit/RVADM_Dialog.h"

#include <QDialog>
#include <QSize>

#include <vector>

class QTimerEvent;

namespace qRVADM {

// A modal dialog. Created by the code that runs it and destroyed when the run has ended; owns
// its items through Qt's parent-child ownership.
class RVADM_ModalDialog : public QDialog, public RVADM_Dialog
{
    Q_OBJECT

public:
    explicit RVADM_ModalDialog(bool resizable = false);
    ~RVADM_ModalDialog() override;

    QWidget* GetWidget() override;
    using internal::RVADM_ItemBase::GetWidget;
    const DialogMetrics& GetStyle() const override;
    bool IsResizable() const override;
    // Lays out again when the size differs from the last laid-out one.
    void OnResize() override;
    // Calls `Notify` directly, without the host's application context.
    void NotifyItem(RVADM_Item* item, std::int32_t code) override;

    // Runs the dialog and returns its result; -1 without showing anything when the host does not
    // allow user interaction.
    int Modal(const char* title, bool localize = false);
    // Commits the items unless `cancelled`, then ends the run with `result`.
    void EndModal(int result, bool cancelled);
    // The result given to `EndModal`, -1 before.
    int GetResult() const { return m_result; }
    void SetDefaultItem(RVADM_Item* item);
    // Escape and closing the window deliver code 2 to this item.
    void SetCancelItem(RVADM_Item* item);
    // Tab moves through the items in this order (Shift+Tab back); null items are left out.
    void SetTabOrder(const std::vector<RVADM_Item*>& items);

    // One coarse timer; each tick calls `OnTimer`, which stops it by returning false.
    void StartTimer(int milliseconds);
    void StopTimer();
    bool IsTimerRunning() const { return m_timerActive; }
    virtual bool OnTimer(QTimerEvent* event);

public Q_SLOTS:
    // Clears the ended flag; a cancel item gets code 2, and unless its handler ended the dialog
    // the ordinary reject follows.
    void reject() override;

    RVADM_DIALOG_QT_SLOTS

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    bool m_resizable;
    RVADM_Item* m_cancelItem = nullptr;
    int m_result = -1;
    bool m_timerActive = false;
    int m_timerId = 0;
    bool m_ended = false;
    QSize m_laidOutSize;
};

} // namespace qRVADM
