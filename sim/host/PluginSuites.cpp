// "SP Basic Suite", "SP Access Suite", "SP Plug-ins Suite", "SP Suites Suite", "SP Blocks Suite"
// and "AI Runtime Suite".

#include "plugin/suites/AIRuntimeSuite.h"
#include "plugin/suites/FourCC.h"
#include "plugin/suites/SPAccessSuite.h"
#include "plugin/suites/SPBasicSuite.h"
#include "plugin/suites/SPBlocksSuite.h"
#include "plugin/suites/SPPluginsSuite.h"
#include "plugin/suites/SPSuitesSuite.h"
#include "sim/host/Host.h"
#include "sim/host/HostSuites.h"

#include <cstdlib>
#include <cstring>

namespace hostsim {
namespace {

SPErr AcquireSuite(const char* name, ASInt32 version, const void** suite)
{
    if (!name || !suite)
        return BadParameterError();
    return Host::Current().Suites().Acquire(name, version, suite);
}

SPErr ReleaseSuite(const char* name, ASInt32 version)
{
    return name ? Host::Current().Suites().Release(name, version) : BadParameterError();
}

ASBoolean IsEqual(const char* a, const char* b)
{
    return a && b && std::strcmp(a, b) == 0;
}

SPErr GetPluginAccess(SPPluginRef plugin, SPAccessRef* access)
{
    if (!access)
        return BadParameterError();
    *access = Host::Current().AccessFor(plugin);
    return *access ? kNoErr : FourCC("!Acc");
}

SPErr SetPluginName(SPPluginRef plugin, const char* name)
{
    if (!plugin || !name)
        return BadParameterError();
    plugin->displayName = name;
    return kNoErr;
}

SPErr AddSuite(SPPluginRef plugin, const char* name, ASInt32 version, const void* procs, SPSuiteRef* suite)
{
    if (!plugin || !name || !procs)
        return BadParameterError();
    SuiteRegistry& suites = Host::Current().Suites();
    if (suites.Has(name, version))
        return FourCC("Dup!");
    suites.Add(name, version, procs, plugin);
    if (suite)
        *suite = nullptr;
    return kNoErr;
}

SPErr AllocateBlock(std::size_t size, const char*, void** block)
{
    if (!block)
        return BadParameterError();
    *block = std::malloc(size ? size : 1);
    return *block ? kNoErr : FourCC("!MEM");
}

SPErr FreeBlock(void* block)
{
    std::free(block);
    return kNoErr;
}

ASInt32 GetAppMajorVersion()
{
    return Host::Current().MajorVersion();
}

const SPBasicSuite kBasic = {AcquireSuite, ReleaseSuite, IsEqual};
const SPAccessSuite kAccess = {GetPluginAccess};
const SPPluginsSuite kPlugins = {{}, SetPluginName};
const SPSuitesSuite kSuites = {AddSuite};
const SPBlocksSuite kBlocks = {AllocateBlock, FreeBlock};
const AIRuntimeSuite kRuntime = {{}, GetAppMajorVersion};

}  // namespace

const SPBasicSuite& BasicSuiteTable()
{
    return kBasic;
}

void RegisterPluginSuites(SuiteRegistry& suites)
{
    suites.Add(kBasic);
    suites.Add(kAccess);
    suites.Add(kPlugins);
    suites.Add(kSuites);
    suites.Add(kBlocks);
    suites.Add(kRuntime);
}

}  // namespace hostsim
