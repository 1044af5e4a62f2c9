#pragma once

// Handles given out by the Kiln engine plug-in; opaque to everyone else.

struct _t_HLKilnResultOpaque;
using HLKilnResultHandle = _t_HLKilnResultOpaque*;  // owned by the engine until ReleaseResult
struct _t_HLInkOpaque;
using HLInkRef = _t_HLInkOpaque*;  // valid until the next ink iteration
