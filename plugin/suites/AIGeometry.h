#pragma once

// Points and rectangles passed to host suites.

#include "plugin/suites/SPTypes.h"

// Artwork coordinates in points, y upwards.
struct AIRealPoint
{
    AIReal h;
    AIReal v;
};

struct AIRealRect
{
    AIReal left;
    AIReal top;
    AIReal right;
    AIReal bottom;
};

// Screen coordinates and sizes of host panels, in host pixels.
struct AIPoint
{
    ASInt32 h;
    ASInt32 v;
};

struct AIRect
{
    ASInt32 left;
    ASInt32 top;
    ASInt32 right;
    ASInt32 bottom;
};

struct AISize
{
    ASInt32 width;
    ASInt32 height;
};

static_assert(sizeof(AIRealPoint) == 2 * sizeof(AIReal));
static_assert(sizeof(AIRealRect) == 4 * sizeof(AIReal));
static_assert(sizeof(AIPoint) == 2 * sizeof(ASInt32));
static_assert(sizeof(AIRect) == 4 * sizeof(ASInt32));
static_assert(sizeof(AISize) == 2 * sizeof(ASInt32));
