#include "sim/kiln/TextOutlines.h"

#include "sim/host/HostSimDocumentAccessSuite.h"

#include <QFont>
#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>
#include <QTransform>

namespace kiln {
namespace {

// Glyph outlines are taken at this many pixels to the em, then scaled to the text's size.
constexpr int kGlyphEmPixels = 1000;

std::string Text(const char* utf8)
{
    return utf8 ? utf8 : "";
}

}  // namespace

std::vector<QPainterPath> TextOutlines::Of(const HostSimArtwork& item)
{
    const Line& line = LaidOut(item.font, item.text);
    // Glyph space has y downwards from the line's top; artwork space has it upwards.
    const double scale = item.fontSize / kGlyphEmPixels;
    const QTransform toArtwork =
        QTransform::fromTranslate(0.0, -line.ascent) * QTransform(scale, 0.0, 0.0, -scale, item.baseline.h, item.baseline.v);
    std::vector<QPainterPath> glyphs;
    glyphs.reserve(line.glyphs.size());
    for (const QPainterPath& glyph : line.glyphs)
        glyphs.push_back(toArtwork.map(glyph));
    return glyphs;
}

const TextOutlines::Line& TextOutlines::LaidOut(const char* font, const char* text)
{
    auto [at, made] = m_lines.try_emplace({Text(font), Text(text)});
    if (!made)
        return at->second;
    QFont face(QString::fromUtf8(font));
    face.setPixelSize(kGlyphEmPixels);
    face.setHintingPreference(QFont::PreferNoHinting);
    face.setStyleStrategy(QFont::ForceOutline);
    QTextLayout layout(QString::fromUtf8(text), face);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    Line& laidOut = at->second;
    laidOut.ascent = line.ascent();
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QVector<quint32> indexes = run.glyphIndexes();
        const QVector<QPointF> positions = run.positions();
        for (int i = 0; i < indexes.size(); ++i) {
            const QPainterPath& glyph = m_glyphs.Outline(run.rawFont(), indexes[i]);
            if (!glyph.isEmpty())
                laidOut.glyphs.push_back(glyph.translated(positions[i]));
        }
    }
    return laidOut;
}

}  // namespace kiln
