// The plug-in property list of this plug-in file: an Illustrator plug-in ("SPEA"), interface
// version 2, entry point "PluginMain". Kept in its own section so the host can read it without
// loading the code.

#include "plugin/suites/PiPL.h"

namespace {

struct PluginPropertyList
{
    pipl::Header header;
    pipl::PropertyHead kindHead;
    char kind[4];
    pipl::PropertyHead ivrsHead;
    std::int32_t ivrs;
    pipl::PropertyHead entryHead;
    char entry[pipl::PaddedLength(sizeof("PluginMain"))];
};

[[gnu::section(".pipl"), gnu::used]] const PluginPropertyList kPluginPropertyList = {
    {pipl::kListVersion, 3},
    {{'A', 'D', 'B', 'E'}, {'k', 'i', 'n', 'd'}, 0, 4},
    {'S', 'P', 'E', 'A'},
    {{'A', 'D', 'B', 'E'}, {'i', 'v', 'r', 's'}, 0, 4},
    pipl::kInterfaceVersion,
    {{'A', 'D', 'B', 'E'}, {'w', 'x', '8', '6'}, 0, sizeof("PluginMain")},
    "PluginMain",
};

}  // namespace
