#include "sim/kiln/PreviewRenderer.h"

#include <QImage>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cstring>
#include <new>

namespace kiln {
namespace {

constexpr float kPasteboard = 180.0f / 255.0f;

// 8-bit coverage, 0 none to 255 full; rows padded to 32 bits so that Qt can paint into them.
struct Plane
{
    Plane(int w, int h) : width(w), height(h), stride((w + 3) & ~3), bytes(static_cast<std::size_t>(stride) * h) {}

    std::uint8_t* Row(int y) { return bytes.data() + static_cast<std::size_t>(y) * stride; }
    const std::uint8_t* Row(int y) const { return bytes.data() + static_cast<std::size_t>(y) * stride; }

    int width;
    int height;
    int stride;
    std::vector<std::uint8_t> bytes;
};

// Rasterises job shapes into one plane, each shape replacing what the last one left.
class MaskPainter
{
public:
    MaskPainter(Plane& mask, const QTransform& toPlane, bool antialiasing)
        : m_mask(mask),
          m_image(mask.bytes.data(), mask.width, mask.height, mask.stride, QImage::Format_Alpha8),
          m_toPlane(toPlane)
    {
        if (m_image.isNull() || !m_painter.begin(&m_image))
            throw std::bad_alloc();
        m_painter.setRenderHint(QPainter::Antialiasing, antialiasing);
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(Qt::black);
        m_painter.setTransform(toPlane);
    }

    // The part of the plane the shape may cover, cleared and painted; empty when the shape
    // cannot reach the plane.
    QRect Paint(const QPainterPath& shape, const QRectF& reach)
    {
        const QRect box =
            m_toPlane.mapRect(reach).toAlignedRect().adjusted(-1, -1, 1, 1) & QRect(0, 0, m_mask.width, m_mask.height);
        if (box.isEmpty())
            return box;
        for (int y = box.top(); y <= box.bottom(); ++y)
            std::memset(m_mask.Row(y) + box.left(), 0, static_cast<std::size_t>(box.width()));
        m_painter.drawPath(shape);
        return box;
    }

private:
    Plane& m_mask;
    QImage m_image;
    QPainter m_painter;
    QTransform m_toPlane;
};

// Where the mask covers the planes, each plane takes its level in proportion to the coverage.
// Runs of eight empty or fully covered mask pixels are skipped or filled whole.
void Cover(std::vector<Plane>& planes, const std::vector<std::uint8_t>& levels, const Plane& mask, const QRect& box)
{
    constexpr int kRun = 8;
    constexpr std::uint64_t kFull = ~std::uint64_t{0};
    for (int y = box.top(); y <= box.bottom(); ++y) {
        const std::uint8_t* m = mask.Row(y);
        for (int x = box.left(); x <= box.right();) {
            std::uint64_t run = 0;
            if (box.right() + 1 - x >= kRun)
                std::memcpy(&run, m + x, kRun);
            if (box.right() + 1 - x >= kRun && (run == 0 || run == kFull)) {
                if (run == kFull)
                    for (std::size_t k = 0; k < planes.size(); ++k)
                        std::memset(planes[k].Row(y) + x, levels[k], kRun);
                x += kRun;
                continue;
            }
            if (m[x])
                for (std::size_t k = 0; k < planes.size(); ++k) {
                    std::uint8_t& p = planes[k].Row(y)[x];
                    p = static_cast<std::uint8_t>((p * (255 - m[x]) + levels[k] * m[x] + 127) / 255);
                }
            ++x;
        }
    }
}

// Where the mask covers the plane, the plane keeps at least `level` times the coverage.
void Spread(Plane& plane, const Plane& mask, const QRect& box, std::uint8_t level)
{
    for (int y = box.top(); y <= box.bottom(); ++y) {
        std::uint8_t* p = plane.Row(y);
        const std::uint8_t* m = mask.Row(y);
        for (int x = box.left(); x <= box.right(); ++x)
            p[x] = std::max(p[x], static_cast<std::uint8_t>((level * m[x] + 127) / 255));
    }
}

// The level of every ink of the job under the mark: its tint, or 0 where it is knocked out.
std::vector<std::uint8_t> LevelsOf(const Mark& mark, std::size_t inks)
{
    std::vector<std::uint8_t> levels(inks, 0);
    for (const MarkInk& used : mark.inks)
        levels[static_cast<std::size_t>(used.ink)] = used.level;
    return levels;
}

// Plane pixels per device pixel for an image quality.
int Oversampling(int quality)
{
    return quality >= kFineQuality ? 2 : 1;
}

int Undersampling(int quality)
{
    return quality <= kDraftQuality ? 2 : 1;
}

// One device row of a plane at the device's resolution, in `scratch` unless the plane already
// has it.
const std::uint8_t* DeviceRow(const Plane& plane, int y, int width, int over, int under,
                              std::vector<std::uint8_t>& scratch)
{
    if (over == 1 && under == 1)
        return plane.Row(y);
    if (under == 2) {
        const std::uint8_t* row = plane.Row(y / 2);
        for (int x = 0; x < width; ++x)
            scratch[x] = row[x / 2];
        return scratch.data();
    }
    const std::uint8_t* upper = plane.Row(2 * y);
    const std::uint8_t* lower = plane.Row(2 * y + 1);
    for (int x = 0; x < width; ++x)
        scratch[x] = static_cast<std::uint8_t>((upper[2 * x] + upper[2 * x + 1] + lower[2 * x] + lower[2 * x + 1] + 2) / 4);
    return scratch.data();
}

// For each ink and coverage, the light each channel keeps after the dot gain: 256 × 3 per ink.
std::vector<float> LightTables(const Job& job, const DotGainCurve& curve)
{
    std::vector<float> tables(job.inks.size() * 256 * 3);
    for (std::size_t k = 0; k < job.inks.size(); ++k) {
        const InkRgb& solid = job.inks[k].solid;
        const double channels[3] = {solid.red, solid.green, solid.blue};
        for (int v = 0; v < 256; ++v) {
            const double printed = curve.Table()[static_cast<std::size_t>(v)] / 255.0;
            for (int c = 0; c < 3; ++c)
                tables[(k * 256 + static_cast<std::size_t>(v)) * 3 + static_cast<std::size_t>(c)] =
                    static_cast<float>(1.0 - printed * (1.0 - channels[c]));
        }
    }
    return tables;
}

// Whether every ink covers pixel x of the rows as it covers pixel x - 1.
bool SameCoverage(const std::vector<const std::uint8_t*>& rows, int x)
{
    for (const std::uint8_t* row : rows)
        if (row[x] != row[x - 1])
            return false;
    return true;
}

ASUInt32 Channel(float paper, float page)
{
    const float value = kPasteboard + (paper - kPasteboard) * page;
    return static_cast<ASUInt32>(value * 255.0f + 0.5f);
}

}  // namespace

PreviewRenderer::PreviewRenderer(const Job& job, const RenderSettings& settings) : m_job(job), m_settings(settings) {}

void PreviewRenderer::Render(const double area[4], int width, int height, ASUInt32* pixels) const
{
    const int over = Oversampling(m_settings.quality);
    const int under = Undersampling(m_settings.quality);
    const int planeWidth = (width * over + under - 1) / under;
    const int planeHeight = (height * over + under - 1) / under;
    const double sx = static_cast<double>(width) * over / under / (area[1] - area[0]);
    const double sy = static_cast<double>(height) * over / under / (area[3] - area[2]);
    const QTransform toPlane(sx, 0.0, 0.0, sy, -area[0] * sx, -area[2] * sy);

    std::vector<Plane> inks(m_job.inks.size(), Plane(planeWidth, planeHeight));
    Plane mask(planeWidth, planeHeight);
    Plane page(planeWidth, planeHeight);
    {
        QPainterPath sheet;
        sheet.addRect(QRectF(0.0, 0.0, m_job.width, m_job.height));
        MaskPainter(page, toPlane, m_settings.antialiasing).Paint(sheet, sheet.boundingRect());
    }
    MaskPainter painter(mask, toPlane, m_settings.antialiasing);
    for (const Mark& mark : m_job.marks) {
        const QRect box = painter.Paint(mark.shape, mark.reach);
        if (box.isEmpty())
            continue;
        Cover(inks, LevelsOf(mark, inks.size()), mask, box);
        if (!m_settings.trapsVisible || mark.trap.isEmpty())
            continue;
        const QRect band = painter.Paint(mark.trap, mark.reach);
        for (const MarkInk& used : mark.inks)
            Spread(inks[static_cast<std::size_t>(used.ink)], mask, band, used.level);
    }

    const std::vector<float> tables = LightTables(m_job, m_settings.dotGain);
    std::vector<std::vector<std::uint8_t>> scratch(inks.size() + 1, std::vector<std::uint8_t>(width));
    std::vector<const std::uint8_t*> rows(inks.size());
    for (int y = 0; y < height; ++y) {
        for (std::size_t k = 0; k < inks.size(); ++k)
            rows[k] = DeviceRow(inks[k], y, width, over, under, scratch[k]);
        const std::uint8_t* sheet = DeviceRow(page, y, width, over, under, scratch.back());
        ASUInt32* out = pixels + static_cast<std::size_t>(y) * width;
        for (int x = 0; x < width; ++x) {
            if (x > 0 && sheet[x] == sheet[x - 1] && SameCoverage(rows, x)) {
                out[x] = out[x - 1];
                continue;
            }
            float light[3] = {1.0f, 1.0f, 1.0f};
            for (std::size_t k = 0; k < rows.size(); ++k) {
                const float* kept = &tables[(k * 256 + rows[k][x]) * 3];
                light[0] *= kept[0];
                light[1] *= kept[1];
                light[2] *= kept[2];
            }
            const float onPage = sheet[x] / 255.0f;
            out[x] = 0xff000000u | Channel(light[0], onPage) << 16 | Channel(light[1], onPage) << 8 |
                     Channel(light[2], onPage);
        }
    }
}

}  // namespace kiln
