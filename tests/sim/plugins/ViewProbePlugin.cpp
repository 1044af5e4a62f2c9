// A plug-in that watches documents and views the way the viewer does: it logs each document,
// view and colour-settings notification together with what the host reports at that moment,
// and its menu command sets the front view's centre and zoom, logging around each call so that
// a test sees which notifications arrive from inside the call.

#include "MenuLog.h"

#include "plugin/suites/AIDocumentSuite.h"
#include "plugin/suites/AIDocumentViewSuite.h"
#include "plugin/suites/AINotifierSuite.h"
#include "plugin/suites/SPMessages.h"
#include "sim/host/HostSimDocumentAccessSuite.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

MenuLog g_log;

struct Watched
{
    const char* type;
    const char* label;
};

constexpr Watched kWatched[] = {
    {"AI Document Changed Notifier", "Changed"},
    {"AI Document Closed Notifier", "Closed"},
    {"AI Document View Changed Notifier", "View"},
    {"AI Command Notifier: After Color Matching Preferences", "Color settings"},
};

// The current document's file name and revision, or "none".
std::string CurrentDocument(const SPBasicSuite* basic)
{
    const auto* documents = Acquire<AIDocumentSuite>(basic);
    const auto* access = Acquire<HostSimDocumentAccessSuite>(basic);
    AIDocumentHandle current = nullptr;
    HostSimDocumentInfo info{};
    std::string text = "none";
    if (documents->GetCurrentDocument(&current) == kNoErr && current && access->GetDocumentInfo(current, &info) == kNoErr)
        text = std::string(info.name) + "@" + std::to_string(info.revision);
    Release<HostSimDocumentAccessSuite>(basic);
    Release<AIDocumentSuite>(basic);
    return text;
}

// The front view's centre and zoom, or "no view".
std::string FrontView(const SPBasicSuite* basic)
{
    const auto* views = Acquire<AIDocumentViewSuite>(basic);
    AIDocumentViewHandle view = nullptr;
    AIRealRect bounds{};
    AIReal zoom = 0;
    std::string text = "no view";
    if (views->GetNthDocumentView(0, &view) == kNoErr && views->GetDocumentViewBounds(view, &bounds) == kNoErr &&
        views->GetDocumentViewZoom(view, &zoom) == kNoErr) {
        char buffer[96];
        std::snprintf(buffer, sizeof buffer, "%g,%g x%g", (bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2, zoom);
        text = buffer;
    }
    Release<AIDocumentViewSuite>(basic);
    return text;
}

void Notified(const char* type, const SPBasicSuite* basic)
{
    for (const Watched& watched : kWatched)
        if (std::strcmp(type, watched.type) == 0)
            g_log.Append(std::string(watched.label) + " " +
                             (std::strcmp(watched.label, "View") == 0 ? FrontView(basic) : CurrentDocument(basic)),
                         basic);
}

// Centres the front view on (10, 20) and zooms it to 4, logging around each call.
void MoveFrontView(const SPBasicSuite* basic)
{
    const auto* views = Acquire<AIDocumentViewSuite>(basic);
    AIDocumentViewHandle view = nullptr;
    if (views->GetNthDocumentView(0, &view) == kNoErr) {
        const AIRealPoint center{10, 20};
        g_log.Append("centre{", basic);
        views->SetDocumentViewCenter(view, &center);
        g_log.Append("}", basic);
        g_log.Append("zoom{", basic);
        views->SetDocumentViewZoom(view, 4);
        g_log.Append("}", basic);
    }
    Release<AIDocumentViewSuite>(basic);
}

SPErr Startup(SPMessageData* message)
{
    const SPBasicSuite* basic = message->basic;
    const auto* notifiers = Acquire<AINotifierSuite>(basic);
    for (const Watched& watched : kWatched) {
        AINotifierHandle ignored = nullptr;
        notifiers->AddNotifier(message->self, "Probe", watched.type, &ignored);
    }
    Release<AINotifierSuite>(basic);
    g_log.Start(message->self, basic, "Probe_HL");
    return kNoErr;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) SPErr PluginMain(const char* caller, const char* selector, void* message)
{
    auto* data = static_cast<SPMessageData*>(message);
    if (std::strcmp(caller, kSPInterfaceCaller) == 0 && std::strcmp(selector, kSPInterfaceStartupSelector) == 0) {
        g_log = MenuLog();
        return Startup(data);
    }
    if (std::strcmp(caller, kCallerAINotifier) == 0)
        Notified(static_cast<AINotifierMessage*>(message)->type, data->basic);
    else if (std::strcmp(caller, kCallerAIMenu) == 0 && std::strcmp(selector, kSelectorAIGoMenuItem) == 0)
        MoveFrontView(data->basic);
    return kNoErr;
}
