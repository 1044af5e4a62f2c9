#include "sim/host/SuiteRegistry.h"

#include "plugin/suites/FourCC.h"

#include <iterator>
#include <utility>

namespace hostsim {

SPErr SuiteNotFoundError()
{
    return FourCC("S!Fd");
}

void SuiteRegistry::Add(const std::string& name, ASInt32 version, const void* procs, SPPluginRef owner)
{
    const auto wrapper = m_wrappers.find(name);
    m_suites[{name, version}] = Added{wrapper == m_wrappers.end() ? procs : wrapper->second(procs), owner};
}

void SuiteRegistry::Interpose(const std::string& name, Wrapper wrap)
{
    m_wrappers[name] = std::move(wrap);
}

void SuiteRegistry::RemoveAddedBy(SPPluginRef owner)
{
    for (auto suite = m_suites.begin(); suite != m_suites.end();)
        suite = suite->second.owner == owner ? m_suites.erase(suite) : std::next(suite);
}

bool SuiteRegistry::Has(const std::string& name, ASInt32 version) const
{
    return m_suites.count({name, version}) != 0;
}

SPErr SuiteRegistry::Acquire(const std::string& name, ASInt32 version, const void** procs)
{
    *procs = nullptr;
    const auto failure = m_acquireErrors.find(name);
    if (failure != m_acquireErrors.end())
        return failure->second;
    const auto suite = m_suites.find({name, version});
    if (suite == m_suites.end())
        return SuiteNotFoundError();
    *procs = suite->second.procs;
    ++m_counts[name].acquired;
    return kNoErr;
}

SPErr SuiteRegistry::Release(const std::string& name, ASInt32 version)
{
    if (!Has(name, version))
        return SuiteNotFoundError();
    ++m_counts[name].released;
    return kNoErr;
}

void SuiteRegistry::SetMissing(const std::string& name, bool missing)
{
    SetAcquireError(name, missing ? SuiteNotFoundError() : kNoErr);
}

void SuiteRegistry::SetAcquireError(const std::string& name, SPErr error)
{
    if (error == kNoErr)
        m_acquireErrors.erase(name);
    else
        m_acquireErrors[name] = error;
}

int SuiteRegistry::AcquireCount(const std::string& name) const
{
    const auto counts = m_counts.find(name);
    return counts == m_counts.end() ? 0 : counts->second.acquired;
}

int SuiteRegistry::ReleaseCount(const std::string& name) const
{
    const auto counts = m_counts.find(name);
    return counts == m_counts.end() ? 0 : counts->second.released;
}

int SuiteRegistry::HeldCount(const std::string& name) const
{
    return AcquireCount(name) - ReleaseCount(name);
}

}  // namespace hostsim
