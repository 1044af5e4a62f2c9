#pragma once

// Handles given out by the Kiln engine plug-in; opaque to everyone else.

struct HLKilnResultOpaque;
using HLKilnResultHandle = HLKilnResultOpaque*;  // owned by the engine until ReleaseResult
struct HLInkOpaque;
using HLInkRef = HLInkOpaque*;  // valid until the next ink iteration
