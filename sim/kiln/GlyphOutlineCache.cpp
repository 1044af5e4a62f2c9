#include "sim/kiln/GlyphOutlineCache.h"

namespace kiln {

const QPainterPath& GlyphOutlineCache::Outline(const QRawFont& font, quint32 glyph)
{
    auto key = std::make_tuple(font.familyName(), font.styleName(), glyph);
    const auto found = m_outlines.find(key);
    if (found != m_outlines.end())
        return found->second;
    return m_outlines.emplace(std::move(key), font.pathForGlyph(glyph)).first->second;
}

}  // namespace kiln
