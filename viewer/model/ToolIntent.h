#pragma once

#include "viewer/model/JobCoordinates.h"

#include <cstdint>
#include <optional>

// A point on the canvas in whole logical pixels, as tracker records carry it.
struct ToolPixel
{
    std::int32_t x = 0;
    std::int32_t y = 0;

    bool operator==(const ToolPixel& other) const { return x == other.x && y == other.y; }
    bool operator!=(const ToolPixel& other) const { return !(*this == other); }
};

// What a tool asks of the canvas for one tracker record. The canvas carries it out in this order:
// the rubber band; the view change on its JobViewGeometry, after which it repaints and tells its
// view listener once (ShowZoom when the zoom may have changed, then PushViewToHost); the cursor.
struct ToolIntent
{
    enum class Band
    {
        Keep,
        Erase,
        Rectangle,  // spanned by `from` and `to`
        Line,       // from `from` to `to`
    };
    enum class View
    {
        Keep,
        ZoomInAt,   // twice the zoom, centred on `point`
        ZoomOutAt,  // half the zoom, centred on `point`
        ShowRect,   // `rect`, fitted to the canvas's aspect ratio
        Pan,        // by `dx`, `dy` millimetres
    };

    Band band = Band::Keep;
    ToolPixel from;
    ToolPixel to;
    View view = View::Keep;
    JobPoint point{};
    JobRect rect{};
    double dx = 0.0;
    double dy = 0.0;
    // The cursor id the canvas should show; none leaves it.
    std::optional<std::int32_t> cursor;

    // Whether the view change may change the zoom, so that the zoom is shown again.
    bool ChangesZoom() const { return view == View::ZoomInAt || view == View::ZoomOutAt || view == View::ShowRect; }
};
