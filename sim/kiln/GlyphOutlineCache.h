#pragma once

#include <QPainterPath>
#include <QRawFont>
#include <QString>

#include <map>
#include <tuple>

namespace kiln {

// The outlines of the glyphs that one job's texts use, each taken from its font once: taking an
// outline runs the font's hinting program, and a document's many texts share a few dozen glyphs.
class GlyphOutlineCache
{
public:
    // The outline of `glyph` of `font`, in the font's pixels.
    const QPainterPath& Outline(const QRawFont& font, quint32 glyph);

private:
    // Family, style and glyph index; every font here has the same pixel size.
    std::map<std::tuple<QString, QString, quint32>, QPainterPath> m_outlines;
};

}  // namespace kiln
