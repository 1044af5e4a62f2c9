#pragma once

#include "sim/kiln/GlyphOutlineCache.h"

#include <QPainterPath>

#include <map>
#include <string>
#include <utility>
#include <vector>

struct HostSimArtwork;

namespace kiln {

// The glyph outlines of one job's texts. Each font and text is laid out once and each glyph's
// outline taken from its font once: laying out shapes the text, taking an outline runs the font's
// hinting program, and a document's many texts repeat a few words in a few fonts.
class TextOutlines
{
public:
    // The outlines of a text item's glyphs in artwork points, one path per glyph, so that a
    // rendering of a small area handles only the glyphs that reach it.
    std::vector<QPainterPath> Of(const HostSimArtwork& item);

private:
    // A text laid out at the glyphs' size: the outlines in place on its line (y downwards from the
    // line's top) and the line's ascent.
    struct Line
    {
        double ascent = 0.0;
        std::vector<QPainterPath> glyphs;
    };

    const Line& LaidOut(const char* font, const char* text);

    GlyphOutlineCache m_glyphs;
    std::map<std::pair<std::string, std::string>, Line> m_lines;  // by font and text
};

}  // namespace kiln
