#pragma once

// "HostSim Document Access Suite" 1: the simulated host's read-only view of an open document,
// for the simulated engine, which snapshots documents through it. It exists only in the
// simulation; a real engine reads documents through the host's art suites.
//
// Every entry takes a document handle from the "AI Document Suite" and fails with a non-zero
// code when the handle does not refer to an open document or an argument is null or out of
// range. Pointers written into the out-records point into the host's document and stay valid
// until that document is edited or closed (its revision changes). Host UI thread.

#include "plugin/suites/AIGeometry.h"
#include "plugin/suites/SPTypes.h"
#include "plugin/suites/SuiteEntry.h"

// Colour model values of GetDocumentInfo; 1 is the host's RGB (kAIRGBColorModel).
constexpr ASInt32 kHostSimRGBColorModel = 1;
constexpr ASInt32 kHostSimCMYKColorModel = 2;

// How an ink's appearance is given.
constexpr ASInt32 kHostSimAppearanceRGB = 0;  // red, green, blue, 0 to 255
constexpr ASInt32 kHostSimAppearanceLab = 1;  // L* 0 to 100, a* and b* -128 to 127

// Kinds of artwork items.
constexpr ASInt32 kHostSimRectangle = 0;
constexpr ASInt32 kHostSimEllipse = 1;
constexpr ASInt32 kHostSimPath = 2;
constexpr ASInt32 kHostSimText = 3;

struct HostSimDocumentInfo
{
    const char* name;          // the document's file name
    ASInt32 colorModel;        // kHostSimRGBColorModel or kHostSimCMYKColorModel
    AIReal pageWidth;          // points
    AIReal pageHeight;         // points
    AIRealPoint pageOrigin;    // points; the page spans x -origin.h to width - origin.h, y likewise
    ASInt32 inkCount;          // process inks of the colour model first, then the spot inks
    ASInt32 artworkCount;      // items in painting order, back to front
    ASUInt32 revision;         // incremented by every edit; wraps at 32 bits
};

struct HostSimInk
{
    const char* name;           // UTF-8, at most 255 bytes
    AIBoolean process;          // 1 for a process ink of the colour model
    ASInt32 appearanceSpace;    // kHostSimAppearanceRGB or kHostSimAppearanceLab
    AIReal appearance[3];       // the ink printed solid
};

// One ink of a paint: `ink` indexes the document's inks, `tint` is 0 to 1.
struct HostSimInkTint
{
    ASInt32 ink;
    AIReal tint;
};

// Tints of one or more inks overprinting each other; count 0 means no paint.
struct HostSimPaint
{
    const HostSimInkTint* tints;
    ASInt32 count;
};

struct HostSimArtwork
{
    ASInt32 kind;                 // kHostSimRectangle, kHostSimEllipse, kHostSimPath, kHostSimText
    AIRealRect bounds;            // rectangle and ellipse; artwork points, top > bottom
    const AIRealPoint* points;    // path: its corners, joined by straight lines
    ASInt32 pointCount;
    AIBoolean closed;             // path: the last corner joins the first
    AIRealPoint baseline;         // text: where the baseline of the first character starts
    AIReal fontSize;              // text: points
    const char* font;             // text: font family, UTF-8
    const char* text;             // text: one line, UTF-8
    HostSimPaint fill;
    AIReal strokeWidth;           // points; 0 with no stroke
    HostSimPaint stroke;          // centred on the outline
};

struct HostSimDocumentAccessSuite
{
    static constexpr const char* kName = "HostSim Document Access Suite";
    static constexpr ASInt32 kVersion = 1;

    AIErr (*GetDocumentInfo)(AIDocumentHandle document, HostSimDocumentInfo* info);
    AIErr (*GetInk)(AIDocumentHandle document, ASInt32 index, HostSimInk* ink);
    AIErr (*GetArtwork)(AIDocumentHandle document, ASInt32 index, HostSimArtwork* artwork);
};
HL_SUITE_ENTRY(HostSimDocumentAccessSuite, GetDocumentInfo, 0);
HL_SUITE_ENTRY(HostSimDocumentAccessSuite, GetInk, 1);
HL_SUITE_ENTRY(HostSimDocumentAccessSuite, GetArtwork, 2);
HL_SUITE_SIZE(HostSimDocumentAccessSuite, 3);
