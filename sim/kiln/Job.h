#pragma once

// A preview job: a snapshot of one host document's page, taken when it was generated. Job
// coordinates are millimetres from the page's top-left corner, x to the right, y downwards.

#include "plugin/suites/SPTypes.h"
#include "sim/kiln/InkAppearance.h"
#include "sim/kiln/Outline.h"

#include <QRectF>

#include <cstdint>
#include <string>
#include <vector>

namespace kiln {

// Inks spread this far past the outline of every filled shape when traps are shown.
constexpr double kTrapWidthMm = 0.1;

struct JobInk
{
    std::string name;
    InkRgb solid;  // printed solid on white paper
};

// One ink of a mark: the job's ink index and the tint as 8-bit coverage (255 solid).
struct MarkInk
{
    int ink;
    std::uint8_t level;
};

// One shape painted in the job: an item's fill or its stroke, knocking out every ink beneath it
// that it does not print itself.
struct Mark
{
    Outline shape;               // mm, non-zero winding
    std::vector<MarkInk> inks;
    Outline trap;                // the band the mark's inks spread into; empty for strokes
    QRectF reach;                // mm: everything the shape and its trap may touch
    QRectF solid;                // mm: a rectangle the shape covers whole; empty when not known
};

struct Job
{
    AIDocumentHandle document = nullptr;
    std::string documentName;
    ASUInt32 revision = 0;
    double width = 0.0;   // mm
    double height = 0.0;  // mm
    std::vector<JobInk> inks;
    std::vector<Mark> marks;  // back to front
    QRectF artwork;           // mm, the union of the marks' shapes
};

}  // namespace kiln
