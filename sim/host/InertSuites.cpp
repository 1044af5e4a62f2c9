// Host suites the plug-ins hold but never call into: the host answers their acquisition with a
// table of empty entries.

#include "plugin/suites/SuiteEntry.h"
#include "sim/host/HostSuites.h"
#include "sim/host/SuiteRegistry.h"

namespace hostsim {
namespace {

struct InertSuite
{
    const char* name;
    ASInt32 version;
};

constexpr InertSuite kInertSuites[] = {
    {"AI Command Manager Suite", 5}, {"AI Action Manager Suite", 5}, {"AI Art Suite", 20},
    {"AI Art Set Suite", 9},         {"AI Custom Color Suite", 8},   {"AI Dictionary Suite", 9},
    {"AI Document List Suite", 10},  {"AI Layer Suite", 13},         {"AI Path Suite", 12},
    {"AI Rasterize Suite", 11},      {"AI Real Math Suite", 4},      {"AI Tag Suite", 4},
    {"SP Runtime Suite", 6},         {"AI Undo Suite", 8},           {"AI URL Suite", 3},
    {"AI Paint Style Suite", 10},    {"AI Color Conversion Suite", 10}, {"AI Group Suite", 5},
    {"AI Artboard Suite", 4},        {"SP Interface Suite", 2},      {"AI Tool Suite", 17},
    {"AI Panel Suite", 3},           {"AI User Interface Theme Suite", 2},
    {"AI Modal Parent Suite", 2},
};

constexpr SuiteReserved kEmptyTable[64] = {};

}  // namespace

void RegisterInertSuites(SuiteRegistry& suites)
{
    for (const InertSuite& suite : kInertSuites)
        suites.Add(suite.name, suite.version, kEmptyTable);
}

}  // namespace hostsim
