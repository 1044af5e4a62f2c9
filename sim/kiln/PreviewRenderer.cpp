#include "sim/kiln/PreviewRenderer.h"

#include <QPainterPath>

#include <algorithm>
#include <thread>

namespace kiln {
namespace {

// A rendering of at least this many pixels is cut into kStrips strips, rendered by two threads:
// the viewer's canvas (311,520 pixels at 649 × 480), not the proof exporter's tiles (65,536),
// whose writing already keeps a second core busy.
constexpr int kSplitPixels = 1 << 17;
constexpr int kStrips = 16;

// For each ink and coverage, the light each channel keeps after the dot gain: 256 × 4 per ink,
// red, green, blue and a fourth that keeps all, so that a pixel multiplies four at once.
void LightTables(const Job& job, const DotGainCurve& curve, std::vector<float>& tables)
{
    tables.resize(job.inks.size() * 256 * 4);
    for (std::size_t k = 0; k < job.inks.size(); ++k) {
        const InkRgb& solid = job.inks[k].solid;
        const double channels[4] = {solid.red, solid.green, solid.blue, 1.0};
        for (int v = 0; v < 256; ++v) {
            const double printed = curve.Table()[static_cast<std::size_t>(v)] / 255.0;
            for (int c = 0; c < 4; ++c)
                tables[(k * 256 + static_cast<std::size_t>(v)) * 4 + static_cast<std::size_t>(c)] =
                    static_cast<float>(1.0 - printed * (1.0 - channels[c]));
        }
    }
}

// The page, as an outline.
Outline SheetOutline(const Job& job)
{
    QPainterPath sheet;
    sheet.addRect(QRectF(0.0, 0.0, job.width, job.height));
    return Outline(sheet);
}

// The reach of every mark, for the index.
std::vector<QRectF> Reaches(const Job& job)
{
    std::vector<QRectF> reaches;
    reaches.reserve(job.marks.size());
    for (const Mark& mark : job.marks)
        reaches.push_back(mark.reach);
    return reaches;
}

// How many strips a rendering is cut into: one when small, else enough that two threads taking
// the next strip as they finish share the work evenly, whatever part of it is busy.
int StripCount(int width, int height)
{
    if (static_cast<long long>(width) * height < kSplitPixels || std::thread::hardware_concurrency() < 2)
        return 1;
    return std::min(kStrips, height / 2);
}

// The first row of a strip. Even, so that draft quality, which samples two rows at once, samples
// the same rows whatever the strips.
int StripTop(int strip, int strips, int height)
{
    return strip == strips ? height : static_cast<int>(static_cast<long long>(height) * strip / strips) & ~1;
}

}  // namespace

PreviewRenderer::PreviewRenderer(const Job& job, const RenderSettings& settings)
    : m_job(job), m_settings(settings), m_index(Reaches(job)), m_sheet(SheetOutline(job))
{
}

void PreviewRenderer::Render(const double area[4], int width, int height, ASUInt32* pixels)
{
    LightTables(m_job, m_settings.dotGain, m_light);
    const PreviewStrip::Shared shared{m_job, m_settings, m_index, m_sheet, m_light};
    const int strips = StripCount(width, height);
    const auto render = [&](int strip, int worker) {
        const int top = StripTop(strip, strips, height);
        const int bottom = StripTop(strip + 1, strips, height);
        const double span = area[3] - area[2];
        const double part[4] = {area[0], area[1], area[2] + span * top / height,
                                bottom == height ? area[3] : area[2] + span * bottom / height};
        m_strips[worker].Render(shared, part, width, bottom - top, pixels + static_cast<std::size_t>(top) * width);
    };
    m_helper.Run(strips, render);
}

}  // namespace kiln
