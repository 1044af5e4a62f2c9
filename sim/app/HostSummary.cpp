#include "sim/app/HostSummary.h"

#include "sim/app/EngineControl.h"
#include "sim/host/Host.h"

#include <filesystem>
#include <sstream>

namespace hostapp {

std::string DescribeHost(hostsim::Host& host, const EngineControl& engine, const std::vector<AnsweredDialog>& dialogs)
{
    std::ostringstream out;
    for (const SPPlugin* plugin : host.Plugins())
        out << "Plug-in " << std::filesystem::path(plugin->path).filename().string() << " \"" << plugin->displayName
            << "\": start-up result " << plugin->startupResult << "\n";
    out << host.Describe();
    out << "Documents:\n";
    const hostsim::DocumentCenter& documents = host.Documents();
    for (const AIDocumentHandle handle : documents.All()) {
        const hostsim::Document& document = *documents.Find(handle);
        out << "  " << document.Name() << " revision " << document.Revision()
            << (handle == documents.Current() ? " (current)" : "") << "\n";
    }
    if (!dialogs.empty())
        out << "Dialogs:\n";
    for (const AnsweredDialog& dialog : dialogs)
        out << "  " << DescribeDialog(dialog) << "\n";
    out << "Engine: " << engine.Status() << "\n";
    if (!engine.Available())
        return out.str();
    out << "Engine calls:\n";
    for (const std::string& call : engine.Calls())
        out << "  " << call << "\n";
    return out.str();
}

}  // namespace hostapp
