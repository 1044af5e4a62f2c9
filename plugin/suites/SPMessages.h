#pragma once

// Host messages: every message starts with the common header; the type-specific part follows,
// its first field being the handle of the addressed object (what the registries match on).

#include "plugin/suites/FourCC.h"
#include "plugin/suites/SPTypes.h"

struct SPBasicSuite;

constexpr ASInt32 kSPValidSPMessageData = FourCC("SPCk");

struct SPMessageData
{
    ASInt32 SPCheck;             // kSPValidSPMessageData in every valid message
    SPPluginRef self;            // the addressed plug-in
    void* globals;               // the plug-in's globals, unused here
    const SPBasicSuite* basic;   // the host's basic suite
};

struct AINotifierMessage
{
    SPMessageData d;
    AINotifierHandle notifier;
    const char* type;
    void* notifyData;
};

struct AIMenuMessage
{
    SPMessageData d;
    AIMenuItemHandle menuItem;
};

struct AITimerMessage
{
    SPMessageData d;
    AITimerHandle timer;
};

static_assert(offsetof(AINotifierMessage, notifier) == sizeof(SPMessageData));
static_assert(offsetof(AIMenuMessage, menuItem) == sizeof(SPMessageData));
static_assert(offsetof(AITimerMessage, timer) == sizeof(SPMessageData));

// Callers and selectors of the messages the host sends.
constexpr const char* kSPInterfaceCaller = "SP Interface";
constexpr const char* kSPInterfaceStartupSelector = "Startup";
constexpr const char* kSPInterfaceShutdownSelector = "Shutdown";
constexpr const char* kCallerAIAnnotation = "AI Annotation";
constexpr const char* kCallerAIFileFormat = "AI File Format";
constexpr const char* kCallerAIFilter = "AI Filter";
constexpr const char* kCallerAIMenu = "AI Menu";
constexpr const char* kCallerAINotifier = "AI Notifier";
constexpr const char* kCallerAIPluginGroup = "AI Plugin Group";
constexpr const char* kCallerAITimer = "AI Timer";
constexpr const char* kCallerAIToolbox = "AI Toolbox";
constexpr const char* kCallerAITool = "AI Tool";
constexpr const char* kSelectorAINotify = "Notify";
constexpr const char* kSelectorAIGoMenuItem = "AI Go";
constexpr const char* kSelectorAIUpdateMenuItem = "AI Update";
constexpr const char* kSelectorAIGoTimer = "Go";

// The entry point every plug-in file exports, named in its property list.
using PluginMainProc = SPErr (*)(const char* caller, const char* selector, void* message);
