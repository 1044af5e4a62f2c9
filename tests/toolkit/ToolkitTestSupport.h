#pragma once

// Test doubles shared by the toolkit tests: items and dialogs that record what reaches them.

#include "HostPanelFixture.h"

#include "toolkit/DialogMetrics.h"
#include "toolkit/RVADM_Dialog.h"
#include "toolkit/RVADM_Item.h"
#include "toolkit/RVADM_ModalDialog.h"
#include "toolkit/RVADM_QMetaObjectProxy.h"

#include <QCoreApplication>
#include <QImage>
#include <QWidget>

#include <algorithm>
#include <functional>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

namespace qRVADM {
// Readable rectangles and points in test failures.
inline void PrintTo(const RVADM_Rect& r, std::ostream* os)
{
    *os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}
inline void PrintTo(const RVADM_Point& point, std::ostream* os)
{
    *os << "(" << point.h << ", " << point.v << ")";
}
} // namespace qRVADM

namespace toolkittest {

// An item or control of class Base that records the codes it is notified with, then notifies as Base.
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
        std::copy_if(codes.begin(), codes.end(), std::back_inserter(result),
                     [](std::int32_t code) { return code != qRVADM::kNotifyBoundsChanged; });
        return result;
    }

    std::vector<std::int32_t> codes;
    std::function<void(std::int32_t)> onNotify;
};

// Sends the toolkit's custom event and an event of the next type to `receiver`.
inline void SendCustomEvents(QObject& receiver)
{
    for (int offset : {0, 1}) {
        QEvent event(static_cast<QEvent::Type>(qRVADM::RVADM_Dialog::kCustomEventType + offset));
        QCoreApplication::sendEvent(&receiver, &event);
    }
}

// Saves a picture for docs/ when the run was asked for them (scripts/screenshots).
inline void SaveScreenshot(const QImage& image, const char* name)
{
    const QString folder = qEnvironmentVariable("HUELINE_SCREENSHOT_DIR");
    if (!folder.isEmpty())
        image.save(folder + QLatin1Char('/') + QLatin1String(name));
}

template <class W>
using RecordingItem = Recorded<qRVADM::RVADM_QMetaObjectProxy<qRVADM::RVADM_Item, W>>;

// The hooks a dialog ran, in order; a test's application code goes into the functions it passes.
struct HookLog
{
    void Log(const char* hook, const std::function<void()>& body = {})
    {
        calls.emplace_back(hook);
        if (body)
            body();
    }
    int Count(const std::string& hook) const { return static_cast<int>(std::count(calls.begin(), calls.end(), hook)); }

    std::vector<std::string> calls;
};

class RecordingModalDialog : public qRVADM::RVADM_ModalDialog, public HookLog
{
public:
    explicit RecordingModalDialog(bool resizable = false)
        : RVADM_ModalDialog(resizable)
    {
    }

    void CreateItems() override { Log("CreateItems", create); }
    void InitItems() override { Log("InitItems"); }
    void CommitItems() override { Log("CommitItems", commit); }
    void Layout() override { Log("Layout", layout); }
    void OnNotify(qRVADM::RVADM_Item* item) override { notified.push_back(item); }
    void OnAsyncNotify(qRVADM::RVADM_Item* item) override { asyncNotified.push_back(item); }
    void OnCustomEvent(QEvent*) override { Log("OnCustomEvent"); }

    std::vector<qRVADM::RVADM_Item*> notified;
    std::vector<qRVADM::RVADM_Item*> asyncNotified;
    std::function<void()> create, commit, layout;
};

// A dialog with the panel's metrics on a plain widget, standing in for a host panel's dialog.
class PanelStandInDialog : public QWidget, public qRVADM::RVADM_Dialog
{
    Q_OBJECT

public:
    QWidget* GetWidget() override { return this; }
    using qRVADM::internal::RVADM_ItemBase::GetWidget;
    const qRVADM::DialogMetrics& GetStyle() const override { return m_metrics; }
    bool IsResizable() const override { return true; }
    void OnNotify(qRVADM::RVADM_Item* item) override { notified.push_back(item); }

    std::vector<qRVADM::RVADM_Item*> notified;

    RVADM_DIALOG_QT_SLOTS

private:
    qRVADM::DialogMetrics m_metrics{false, 1252};
};

} // namespace toolkittest
