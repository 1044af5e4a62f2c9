// The entry point of KilnKernel.aip: at start-up the engine comes to life and adds its suites to
// the host; at shut-down it goes away, and the suites it added answer as not started.

#include "plugin/suites/BSCDIAGSuite.h"
#include "plugin/suites/CorvaneMessageCenterSuite.h"
#include "plugin/suites/HLInkBookSuite.h"
#include "plugin/suites/HLInkSuite.h"
#include "plugin/suites/HLKilnHLSuite.h"
#include "plugin/suites/HLKilnODLSuite.h"
#include "plugin/suites/HLKilnSuite.h"
#include "plugin/suites/HLPreferencesSuite.h"
#include "plugin/suites/SPMessages.h"
#include "plugin/suites/SPPluginsSuite.h"
#include "plugin/suites/SPSuitesSuite.h"
#include "sim/kiln/Engine.h"
#include "sim/kiln/EngineSuites.h"
#include "sim/kiln/HostFolder.h"
#include "sim/kiln/HostSuite.h"
#include "sim/kiln/KilnControlSuite.h"

#include <dlfcn.h>

#include <cstring>
#include <filesystem>
#include <iostream>

namespace kiln {
namespace {

// The colour book file, in a folder beside the plug-in file.
constexpr const char* kColorBookFile = "KilnKernel/ColorBook.txt";
// The name the host shows for this plug-in.
constexpr const char* kDisplayName = "Kiln Kernel";

struct PublishedSuite
{
    const char* name;
    ASInt32 version;
    const void* procs;
};

template <typename Suite>
PublishedSuite Published(const Suite& procs)
{
    return {Suite::kName, Suite::kVersion, &procs};
}

std::filesystem::path PluginFolder()
{
    Dl_info info{};
    if (!dladdr(reinterpret_cast<const void*>(&kColorBookFile), &info) || !info.dli_fname)
        return {};
    return std::filesystem::path(info.dli_fname).parent_path();
}

void Report(const std::string& what, ASErr error)
{
    if (error)
        std::cerr << "KilnKernel: " << what << " refused (" << error << ")\n";
}

SPErr AddSuites(SPMessageData& message)
{
    const HostSuite<SPSuitesSuite> suites(message.basic);
    if (!suites)
        return kKilnNotStartedError;
    const PublishedSuite published[] = {
        Published(KilnSuiteTable()),     Published(KilnODLSuiteTable()),   Published(DiagnosticsSuiteTable()),
        Published(InkSuiteTable()),      Published(InkBookSuiteTable()),   Published(ConnectionSuiteTable()),
        Published(PreferencesSuiteTable()), Published(MessageCenterSuiteTable()), Published(ControlSuiteTable()),
    };
    for (const PublishedSuite& suite : published)
        if (const SPErr error = suites->AddSuite(message.self, suite.name, suite.version, suite.procs, nullptr))
            return error;
    return kNoErr;
}

void GiveDisplayName(SPMessageData& message)
{
    if (const HostSuite<SPPluginsSuite> plugins(message.basic); plugins)
        plugins->SetPluginName(message.self, kDisplayName);
}

SPErr Startup(SPMessageData& message)
{
    GiveDisplayName(message);
    Engine& engine = Engine::Start(message.basic);
    const std::string preferences = HostFolder(message.basic, kKilnPreferencesFolderType);
    Report("preference file in \"" + preferences + "\"", engine.Preferences().Open(preferences));
    const std::string book = (PluginFolder() / kColorBookFile).string();
    Report("colour book \"" + book + "\"", engine.Book().Load(book));
    const SPErr error = AddSuites(message);
    if (error)
        Engine::Stop();
    return error;
}

}  // namespace
}  // namespace kiln

extern "C" __attribute__((visibility("default"))) SPErr PluginMain(const char* caller, const char* selector,
                                                                   void* message)
{
    auto* data = static_cast<SPMessageData*>(message);
    if (!caller || !selector || !data || data->SPCheck != kSPValidSPMessageData)
        return kKilnBadParameterError;
    if (std::strcmp(caller, kSPInterfaceCaller) != 0)
        return kNoErr;
    if (std::strcmp(selector, kSPInterfaceStartupSelector) == 0)
        return kiln::Startup(*data);
    if (std::strcmp(selector, kSPInterfaceShutdownSelector) == 0)
        kiln::Engine::Stop();
    return kNoErr;
}
