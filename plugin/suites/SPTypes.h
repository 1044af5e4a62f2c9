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

struct _t_AINotifierOpaque;
using AINotifierHandle = _t_AINotifierOpaque*;
struct _t_AITimerOpaque;
using AITimerHandle = _t_AITimerOpaque*;
struct _t_AIMenuItemOpaque;
using AIMenuItemHandle = _t_AIMenuItemOpaque*;
struct _t_AIMenuGroupOpaque;
using AIMenuGroup = _t_AIMenuGroupOpaque*;
struct _t_AIUnicodeStringOpaque;
using AIUnicodeStringHandle = _t_AIUnicodeStringOpaque*;
struct _t_AIFilePathOpaque;
using AIFilePathHandle = _t_AIFilePathOpaque*;
struct _t_AIDocumentOpaque;
using AIDocumentHandle = _t_AIDocumentOpaque*;
struct _t_AIDocumentViewOpaque;
using AIDocumentViewHandle = _t_AIDocumentViewOpaque*;
struct _t_AIPanelOpaque;
using AIPanelRef = _t_AIPanelOpaque*;
struct _t_AIPanelFlyoutMenuOpaque;
using AIPanelFlyoutMenuRef = _t_AIPanelFlyoutMenuOpaque*;
using AIWindowRef = void*;  // the host's platform window

static_assert(sizeof(AIBoolean) == 1);
