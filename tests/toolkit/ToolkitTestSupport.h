#pragma once

// Test doubles shared by the toolkit tests: recording items and dialogs, and a fake host that
// counts application-context pushes and answers the user-interaction question.

#include "toolkit/DialogMetrics.h"
#include "toolkit/RVADM_Dialog.h"
#include "toolkit/RVADM_Item.h"
#include "toolkit/RVADM_ModalDialog.h"
#include "toolkit/RVADM_QMetaObjectProxy.h"

#include <QWidget>

#include <functional>
#include <string>
#include <vector>

#include <ostream>

namespace qRVADM {
// Readable rectangles and points in test failures.
void PrintTo(const RVADM_Rect& rect, std::ostream* os);
void PrintTo(const RVADM_Point& point, std::ostream* os);
} // namespace qRVADM

namespace toolkittest {

// An item or control of class Base that records every code it is notified with, then notifies
// as Base does.
template <class Base>
class Recorded : public Base
{
public:
    using Base::Base;

    void Notify(std::int32_t code) override
    {
        codes.push_back(code);
        if (onNotify)
            onNotify(code);
        Base::Notify(code);
    }

    // The codes other than 1 (bounds set), in order.
    std::vector<std::int32_t> UserCodes() const
    {
        std::vector<std::int32_t> result;
        for (std::int32_t code : codes) {
            if (code != qRVADM::kNotifyBoundsChanged)
                result.push_back(code);
        }
        return result;
    }

    std::vector<std::int32_t> codes;
    std::function<void(std::int32_t)> onNotify;
};

// A recording item over widget class W.
template <class W>
using RecordingItem = Recorded<qRVADM::RVADM_QMetaObjectProxy<qRVADM::RVADM_Item, W>>;

// Records the hooks of a modal dialog; the application code of a test goes into the functions.
class RecordingModalDialog : public qRVADM::RVADM_ModalDialog
{
public:
    explicit RecordingModalDialog(bool resizable = false)
        : RVADM_ModalDialog(resizable)
    {
    }

    void CreateItems() override { Run("CreateItems", create); }
    void InitItems() override { Run("InitItems", init); }
    void CommitItems() override { Run("CommitItems", commit); }
    void Layout() override { Run("Layout", layout); }
    void OnNotify(qRVADM::RVADM_Item* item) override { notified.push_back(item); }
    void OnAsyncNotify(qRVADM::RVADM_Item* item) override { asyncNotified.push_back(item); }
    void OnCustomEvent(QEvent*) override { calls.emplace_back("OnCustomEvent"); }
    bool OnTimer(QTimerEvent*) override { return onTimer ? onTimer() : false; }

    int Count(const std::string& hook) const;

    std::vector<std::string> calls;
    std::vector<qRVADM::RVADM_Item*> notified;
    std::vector<qRVADM::RVADM_Item*> asyncNotified;
    std::function<void()> create, init, commit, layout;
    std::function<bool()> onTimer;

private:
    void Run(const char* hook, const std::function<void()>& body)
    {
        calls.emplace_back(hook);
        if (body)
            body();
    }
};

// A dialog with the panel's metrics on a plain widget, standing in for a host panel's dialog.
class PanelStandInDialog : public QWidget, public qRVADM::RVADM_Dialog
{
    Q_OBJECT

public:
    explicit PanelStandInDialog(unsigned codePage = 1252);

    QWidget* GetWidget() override { return this; }
    using qRVADM::internal::RVADM_ItemBase::GetWidget;
    const qRVADM::DialogMetrics& GetStyle() const override { return m_metrics; }
    bool IsResizable() const override { return true; }
    void OnNotify(qRVADM::RVADM_Item* item) override { notified.push_back(item); }

    std::vector<qRVADM::RVADM_Item*> notified;

    RVADM_DIALOG_QT_SLOTS

private:
    qRVADM::DialogMetrics m_metrics;
};

// Installs a fake host into the toolkit for the lifetime of the object and restores an empty
// one afterwards.
class FakeHost
{
public:
    FakeHost();
    ~FakeHost();
    FakeHost(const FakeHost&) = delete;
    FakeHost& operator=(const FakeHost&) = delete;

    static void SetInteractionAllowed(bool allowed);
    static int Pushes();
    static int Depth();
};

} // namespace toolkittest
