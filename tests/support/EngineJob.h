#pragma once

// The engine plug-in driven directly in a simulated host, as tests and benchmarks of the preview
// do: suites acquired through the host's basic suite, and a document's job generated.

#include "plugin/suites/HLKilnODLSuite.h"
#include "plugin/suites/HLKilnSuite.h"
#include "plugin/suites/SPBasicSuite.h"
#include "sim/host/Host.h"

#include <string>

// The suite as a plug-in acquires it; null when the host refuses. Not released: callers hold it
// for the host's life.
template <typename Suite>
const Suite* AcquireHostSuite(const hostsim::Host& host)
{
    const void* procs = nullptr;
    return host.BasicSuite()->AcquireSuite(Suite::kName, Suite::kVersion, &procs) == kNoErr
               ? static_cast<const Suite*>(procs)
               : nullptr;
}

// Generates the current document's job. False with `error` set when the engine refused.
inline bool GenerateJob(const hostsim::Host& host, std::string& error)
{
    const HLKilnODLSuite* odl = AcquireHostSuite<HLKilnODLSuite>(host);
    if (odl == nullptr) {
        error = "the engine's suites are missing";
        return false;
    }
    const auto result = odl->RunGeneration();
    const bool generated = odl->ResultSucceeded(result) != 0;
    char message[256] = "";
    odl->GetResultMessage(result, message, sizeof message);
    odl->ReleaseResult(result);
    error = message;
    return generated;
}

// Sets the engine's rendering up as the viewer does at start: trap layer shown, normal quality,
// antialiased, automatic dot gain.
inline void SetUpRenderingAsViewer(const HLKilnSuite& kiln)
{
    kiln.SetTrapLayerVisible(1);
    kiln.SetImageQuality(1);
    kiln.SetAntialiasingMode(0);
    kiln.SetDotGainCurve(0.0, 0.0, 0.0, 0.0, 0.0);
}

// Loads the engine's plug-in file, opens the document file, starts the host and generates the
// document's job. Returns the document, or null with `error` set.
inline AIDocumentHandle StartWithJob(hostsim::Host& host, const std::string& engineFile,
                                     const std::string& documentFile, std::string& error)
{
    AIDocumentHandle document = nullptr;
    if (!host.LoadPlugin(engineFile, error) || !(document = host.Documents().Open(documentFile, error)))
        return nullptr;
    host.Startup();
    return GenerateJob(host, error) ? document : nullptr;
}
