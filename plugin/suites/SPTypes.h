#pragma once

// Basic types shared by every host and engine suite. All calls are made on the host's
// user-interface thread.

#include <cstddef>
#include <cstdint>

using ASErr = std::int32_t;
using SPErr = ASErr;
using AIErr = ASErr;
using ASInt32 = std::int32_t;
using ASUInt32 = std::uint32_t;
using AIBoolean = std::uint8_t;  // a byte holding 0 or 1
using ASBoolean = AIBoolean;
using AIReal = double;

constexpr ASErr kNoErr = 0;

struct SPPlugin;
using SPPluginRef = SPPlugin*;
struct SPAccess;
using SPAccessRef = SPAccess*;
struct SPSuite;
using SPSuiteRef = SPSuite*;

struct AINotifierOpaque;
using AINotifierHandle = AINotifierOpaque*;
struct AITimerOpaque;
using AITimerHandle = AITimerOpaque*;
struct AIMenuItemOpaque;
using AIMenuItemHandle = AIMenuItemOpaque*;
struct AIMenuGroupOpaque;
using AIMenuGroup = AIMenuGroupOpaque*;
struct AIUnicodeStringOpaque;
using AIUnicodeStringHandle = AIUnicodeStringOpaque*;
struct AIFilePathOpaque;
using AIFilePathHandle = AIFilePathOpaque*;
struct AIDocumentOpaque;
using AIDocumentHandle = AIDocumentOpaque*;
struct AIDocumentViewOpaque;
using AIDocumentViewHandle = AIDocumentViewOpaque*;
struct AIPanelOpaque;
using AIPanelRef = AIPanelOpaque*;
struct AIPanelFlyoutMenuOpaque;
using AIPanelFlyoutMenuRef = AIPanelFlyoutMenuOpaque*;
using AIWindowRef = void*;  // the host's platform window

static_assert(sizeof(AIBoolean) == 1);
