#pragma once

#include "plugin/suites/SPTypes.h"

#include <functional>
#include <map>
#include <string>
#include <utility>

namespace hostsim {

// The host's suites by name and version, with the failures a test can switch on and a count of
// every acquire and release per suite name.
class SuiteRegistry
{
public:
    // `procs` stays owned by whoever adds it and must outlive the registration; a suite a plug-in
    // adds names it as `owner` and goes when the host unloads the plug-in.
    void Add(const std::string& name, ASInt32 version, const void* procs, SPPluginRef owner = nullptr);
    void RemoveAddedBy(SPPluginRef owner);
    // Adds a suite table under the name and version its struct declares.
    template <typename Suite>
    void Add(const Suite& procs)
    {
        Add(Suite::kName, Suite::kVersion, &procs);
    }
    bool Has(const std::string& name, ASInt32 version) const;

    // Makes what `wrap` returns for a table the one registered instead, at every later Add of the
    // suite `name`: a benchmark's copy whose entries time the originals. What `wrap` returns must
    // outlive the registration.
    using Wrapper = std::function<const void*(const void* procs)>;
    void Interpose(const std::string& name, Wrapper wrap);

    SPErr Acquire(const std::string& name, ASInt32 version, const void** procs);
    SPErr Release(const std::string& name, ASInt32 version);

    // The suite answers "not found" to every acquire.
    void SetMissing(const std::string& name, bool missing);
    // Every acquire of the suite fails with `error` (0 switches the failure off).
    void SetAcquireError(const std::string& name, SPErr error);

    int AcquireCount(const std::string& name) const;
    int ReleaseCount(const std::string& name) const;
    // Acquires not yet released, over all versions of the suite.
    int HeldCount(const std::string& name) const;

private:
    struct Counts
    {
        int acquired = 0;
        int released = 0;
    };

    struct Added
    {
        const void* procs;
        SPPluginRef owner;  // null for the host's own
    };

    std::map<std::pair<std::string, ASInt32>, Added> m_suites;
    std::map<std::string, SPErr> m_acquireErrors;
    std::map<std::string, Wrapper> m_wrappers;
    std::map<std::string, Counts> m_counts;
};

// The host's answer for a suite it does not have.
SPErr SuiteNotFoundError();

}  // namespace hostsim
