#pragma once

// What a host document holds: colour model, page, inks and artwork, as read from a document file
// (docs/documents.md). Plain values; `hostsim::Document` owns one and counts its edits.

#include "sim/host/HostSimDocumentAccessSuite.h"

#include <array>
#include <string>
#include <vector>

namespace hostsim {

enum class ColorModel : ASInt32 {
    RGB = kHostSimRGBColorModel,
    CMYK = kHostSimCMYKColorModel,
};

enum class AppearanceSpace : ASInt32 {
    RGB = kHostSimAppearanceRGB,
    Lab = kHostSimAppearanceLab,
};

enum class ArtworkKind : ASInt32 {
    Rectangle = kHostSimRectangle,
    Ellipse = kHostSimEllipse,
    Path = kHostSimPath,
    Text = kHostSimText,
};

struct Ink
{
    std::string name;
    bool process = false;
    AppearanceSpace space = AppearanceSpace::RGB;
    std::array<double, 3> appearance{};
};

// One artwork item; which fields count depends on the kind (HostSimArtwork says which).
struct ArtworkItem
{
    ArtworkKind kind = ArtworkKind::Rectangle;
    AIRealRect bounds{};
    std::vector<AIRealPoint> points;
    bool closed = true;
    AIRealPoint baseline{};
    double fontSize = 0;
    std::string font;
    std::string text;
    std::vector<HostSimInkTint> fill;
    double strokeWidth = 0;
    std::vector<HostSimInkTint> stroke;
};

struct Page
{
    double width = 0;   // points
    double height = 0;  // points
    AIRealPoint origin{};
};

struct DocumentContent
{
    ColorModel colorModel = ColorModel::CMYK;
    Page page;
    std::vector<Ink> inks;  // the process inks of the colour model first, then spot inks
    std::vector<ArtworkItem> artwork;

    // Index of the ink with that exact name, or -1.
    int FindInk(const std::string& name) const;
};

// Largest absolute artwork coordinate and page side a document may use, in points.
constexpr double kCoordinateLimit = 16383.0;
// Longest ink name, in bytes: the engine hands names around in 256-byte buffers.
constexpr std::size_t kMaximumInkNameBytes = 255;

// The process inks of a colour model, in plate order, with their solid appearance.
std::vector<Ink> ProcessInks(ColorModel model);

// The problem with an item as a document holding `inkCount` inks would see it ("needs a fill or
// a stroke"), or an empty string when the item is sound.
std::string ArtworkProblem(const ArtworkItem& item, int inkCount);

// Moves every coordinate of the item by (dx, dy) points.
void MoveItem(ArtworkItem& item, double dx, double dy);

}  // namespace hostsim
