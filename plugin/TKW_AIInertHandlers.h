#pragma once

// The registries for kinds of host object this system never registers. They are created with
// the plug-in, are offered every message and match nothing.

#include "plugin/TKW_AIHandler.h"
#include "plugin/suites/SPMessages.h"

class TKW_AIAnnotationHandler final : public TKW_AIHandler
{
public:
    TKW_AIAnnotationHandler() : TKW_AIHandler(kCallerAIAnnotation) {}
};

class TKW_AIFileFormatHandler final : public TKW_AIHandler
{
public:
    TKW_AIFileFormatHandler() : TKW_AIHandler(kCallerAIFileFormat) {}
};

class TKW_AIFilterHandler final : public TKW_AIHandler
{
public:
    TKW_AIFilterHandler() : TKW_AIHandler(kCallerAIFilter) {}
};

class TKW_AIPluginGroupHandler final : public TKW_AIHandler
{
public:
    TKW_AIPluginGroupHandler() : TKW_AIHandler(kCallerAIPluginGroup) {}
};

class TKW_AIToolBoxHandler final : public TKW_AIHandler
{
public:
    TKW_AIToolBoxHandler() : TKW_AIHandler(kCallerAIToolbox) {}
};

class TKW_AIToolHandler final : public TKW_AIHandler
{
public:
    TKW_AIToolHandler() : TKW_AIHandler(kCallerAITool) {}
};
