#include "sim/kiln/PreviewStrip.h"

#include <QTransform>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <new>

namespace kiln {
namespace {

constexpr float kPasteboard = 180.0f / 255.0f;

// Planes of one size laid out one after the other.
struct PlaneSet
{
    std::size_t Size() const { return count; }
    Plane operator[](std::size_t k) const { return {bytes + k * PlaneBytes(), width, height, stride}; }
    std::size_t PlaneBytes() const { return static_cast<std::size_t>(stride) * height; }

    std::uint8_t* bytes;
    std::size_t count;
    int width;
    int height;
    int stride;
};

using Span = CoverageRasterizer::Span;

// Paints job outlines into the mask plane, each replacing, within its reach, what the last one
// left there.
class MaskPainter
{
public:
    MaskPainter(CoverageRasterizer& rasterizer, const Plane& mask, const QTransform& toPlane, bool antialiasing)
        : m_rasterizer(rasterizer), m_mask(mask), m_toPlane(toPlane), m_antialiasing(antialiasing)
    {
    }

    // The spans of the plane the outline covers, painted; none when it cannot reach the plane.
    const std::vector<Span>& Paint(const Outline& outline, const QRectF& reach)
    {
        const QRect box = CoverageRasterizer::PaintBox(m_toPlane, reach, m_mask.width, m_mask.height);
        return m_rasterizer.Paint(outline, m_toPlane, m_antialiasing, m_mask, box);
    }

private:
    CoverageRasterizer& m_rasterizer;
    Plane m_mask;
    QTransform m_toPlane;
    bool m_antialiasing;
};

constexpr int kRun = 8;

// Whether the row holds a run of kRun mask pixels at x before `end`; if so `run` gets them.
bool ReadRun(const std::uint8_t* mask, int x, int end, std::uint64_t& run)
{
    if (end - x < kRun)
        return false;
    std::memcpy(&run, mask + x, kRun);
    return true;
}

// The top bit of each byte of `run` that is not zero.
std::uint64_t NonZeroBytes(std::uint64_t run)
{
    constexpr std::uint64_t kLow7 = 0x7f7f7f7f7f7f7f7full;
    return (((run & kLow7) + kLow7) | run) & ~kLow7;
}

// Walks the mask pixels of a span that hold coverage: `whole` (x, past) for each stretch of
// runs of kRun fully covered pixels, `part` (x) for every other pixel with coverage. Runs of
// empty pixels are skipped: a painting's spans are mostly its edges' groups of eight columns,
// with only a pixel or two covered in each.
template <typename Whole, typename Part>
void WalkCovered(const std::uint8_t* mask, const Span& span, Whole whole, Part part)
{
    constexpr std::uint64_t kFull = ~std::uint64_t {0};
    const int end = span.right;
    int x = span.left;
    for (std::uint64_t run = 0; ReadRun(mask, x, end, run);) {
        if (run == 0 || run == kFull) {
            const std::uint64_t same = run;
            int past = x + kRun;
            while (ReadRun(mask, past, end, run) && run == same)
                past += kRun;
            if (same == kFull)
                whole(x, past);
            x = past;
            continue;
        }
        // Byte i of the word is pixel x + i: every target is little-endian.
        for (std::uint64_t bytes = NonZeroBytes(run); bytes != 0; bytes &= bytes - 1)
            part(x + __builtin_ctzll(bytes) / 8);
        x += kRun;
    }
    for (; x < end; ++x)
        if (mask[x] != 0)
            part(x);
}

// Where the mask covers the planes, each plane takes its level in proportion to the coverage.
void Cover(const PlaneSet& planes, const std::vector<std::uint8_t>& levels, const Plane& mask, const std::vector<Span>& spans)
{
    for (const Span& span : spans) {
        const int y = span.row;
        const std::uint8_t* m = mask.Row(y);
        const auto whole = [&](int x, int past) {
            for (std::size_t k = 0; k < planes.Size(); ++k)
                std::memset(planes[k].Row(y) + x, levels[k], static_cast<std::size_t>(past - x));
        };
        const auto part = [&](int x) {
            for (std::size_t k = 0; k < planes.Size(); ++k) {
                std::uint8_t& p = planes[k].Row(y)[x];
                p = static_cast<std::uint8_t>((p * (255 - m[x]) + levels[k] * m[x] + 127) / 255);
            }
        };
        WalkCovered(m, span, whole, part);
    }
}

// Where the mask covers the plane, the plane keeps at least `level` times the coverage.
void Spread(const Plane& plane, const Plane& mask, const std::vector<Span>& spans, std::uint8_t level)
{
    for (const Span& span : spans) {
        std::uint8_t* p = plane.Row(span.row);
        const std::uint8_t* m = mask.Row(span.row);
        const auto part = [&](int x) { p[x] = std::max(p[x], static_cast<std::uint8_t>((level * m[x] + 127) / 255)); };
        const auto whole = [&](int x, int past) {
            for (; x < past; ++x)
                part(x);
        };
        WalkCovered(m, span, whole, part);
    }
}

// The level of every ink of the job under the mark: its tint, or 0 where it is knocked out.
void LevelsOf(const Mark& mark, std::vector<std::uint8_t>& levels)
{
    std::fill(levels.begin(), levels.end(), 0);
    for (const MarkInk& used : mark.inks)
        levels[static_cast<std::size_t>(used.ink)] = used.level;
}

// The device pixels asked for and how the planes sample them: `over` plane pixels per device
// pixel, or one plane pixel per `under` device pixels.
struct DeviceSampling
{
    int width;
    int height;
    int over;
    int under;
};

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
const std::uint8_t* DeviceRow(const Plane& plane, int y, const DeviceSampling& device, std::uint8_t* scratch)
{
    if (device.over == 1 && device.under == 1)
        return plane.Row(y);
    if (device.under == 2) {
        const std::uint8_t* row = plane.Row(y / 2);
        for (int x = 0; x < device.width; ++x)
            scratch[x] = row[x / 2];
        return scratch;
    }
    const std::uint8_t* upper = plane.Row(2 * y);
    const std::uint8_t* lower = plane.Row(2 * y + 1);
    for (int x = 0; x < device.width; ++x)
        scratch[x] = static_cast<std::uint8_t>((upper[2 * x] + upper[2 * x + 1] + lower[2 * x] + lower[2 * x + 1] + 2) / 4);
    return scratch;
}

// The bits of the kRun pixels of the row from x that differ from the pixel before each.
std::uint64_t Differences(const std::uint8_t* row, int x)
{
    std::uint64_t here = 0;
    std::uint64_t before = 0;
    std::memcpy(&here, row + x, kRun);
    std::memcpy(&before, row + x - 1, kRun);
    return here ^ before;
}

// For the kRun pixels from x, a byte each: zero where the ink rows and the sheet row hold what
// they hold at the pixel before.
std::uint64_t RunDifferences(const std::vector<const std::uint8_t*>& rows, const std::uint8_t* sheet, int x)
{
    std::uint64_t differences = Differences(sheet, x);
    for (const std::uint8_t* row : rows)
        differences |= Differences(row, x);
    return differences;
}

// Whether the ink rows and the sheet row hold at x what they hold at x - 1.
bool SameAsBefore(const std::vector<const std::uint8_t*>& rows, const std::uint8_t* sheet, int x)
{
    if (sheet[x] != sheet[x - 1])
        return false;
    for (const std::uint8_t* row : rows)
        if (row[x] != row[x - 1])
            return false;
    return true;
}

// The light kept by paper under the inks of one pixel (`light` from LightTables), on the page
// or the pasteboard as the page plane says.
ASUInt32 Pixel(const std::vector<float>& light, const std::vector<const std::uint8_t*>& rows, int x, std::uint8_t page)
{
    float kept[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const float* ink = &light[(k * 256 + rows[k][x]) * 4];
        for (int c = 0; c < 4; ++c)
            kept[c] *= ink[c];
    }
    // Four channels at once, as with the light, the fourth unused.
    const float onPage = page / 255.0f;
    std::int32_t channels[4];
    for (int c = 0; c < 4; ++c)
        channels[c] = static_cast<std::int32_t>((kPasteboard + (kept[c] - kPasteboard) * onPage) * 255.0f + 0.5f);
    return 0xff000000u | static_cast<ASUInt32>(channels[0]) << 16 | static_cast<ASUInt32>(channels[1]) << 8 |
           static_cast<ASUInt32>(channels[2]);
}

// Whether device row y is made of plane rows that hold, in every plane, what those of row y - 1
// hold: most rows of a flat page repeat the one above them.
bool SameSourceAsRowBefore(const PlaneSet& inks, const Plane& page, const DeviceSampling& device, int y)
{
    const int row = y * device.over / device.under;
    const int before = (y - 1) * device.over / device.under;
    if (row == before)
        return true;
    const auto same = [&](const Plane& plane) {
        for (int i = 0; i < device.over; ++i)
            if (std::memcmp(plane.Row(row + i), plane.Row(before + i), static_cast<std::size_t>(plane.width)) != 0)
                return false;
        return true;
    };
    if (!same(page))
        return false;
    for (std::size_t k = 0; k < inks.Size(); ++k)
        if (!same(inks[k]))
            return false;
    return true;
}

// Device pixels from the ink planes and the page plane; a row made of the same coverage as the row
// before it copies its colours, and so does a pixel whose coverage equals that of the pixel before
// it. `rowBytes` holds a device row for every plane; `rows` one pointer per ink.
void Compose(const PlaneSet& inks, const Plane& page, const std::vector<float>& light, const DeviceSampling& device,
             std::uint8_t* rowBytes, std::vector<const std::uint8_t*>& rows, ASUInt32* pixels)
{
    const int width = device.width;
    std::uint8_t* const sheetScratch = rowBytes + inks.Size() * static_cast<std::size_t>(width);
    for (int y = 0; y < device.height; ++y) {
        ASUInt32* out = pixels + static_cast<std::size_t>(y) * width;
        if (y > 0 && SameSourceAsRowBefore(inks, page, device, y)) {
            std::memcpy(out, out - width, static_cast<std::size_t>(width) * sizeof *out);
            continue;
        }
        for (std::size_t k = 0; k < inks.Size(); ++k)
            rows[k] = DeviceRow(inks[k], y, device, rowBytes + k * static_cast<std::size_t>(width));
        const std::uint8_t* sheet = DeviceRow(page, y, device, sheetScratch);
        out[0] = Pixel(light, rows, 0, sheet[0]);
        int x = 1;
        for (; x + kRun <= width; x += kRun) {
            std::uint64_t differences = RunDifferences(rows, sheet, x);
            if (differences == 0) {
                std::fill(out + x, out + x + kRun, out[x - 1]);
                continue;
            }
            // Byte i of the word is pixel x + i: every target is little-endian.
            for (int i = x; i < x + kRun; ++i, differences >>= 8)
                out[i] = differences & 0xff ? Pixel(light, rows, i, sheet[i]) : out[i - 1];
        }
        for (; x < width; ++x)
            out[x] = SameAsBefore(rows, sheet, x) ? out[x - 1] : Pixel(light, rows, x, sheet[x]);
    }
}

// Whether `solid`, less `inset` on every side, still holds `area`.
bool Holds(const QRectF& solid, double inset, const QRectF& area)
{
    return solid.width() > 2.0 * inset && solid.height() > 2.0 * inset &&
           solid.adjusted(inset, inset, -inset, -inset).contains(area);
}

// Where the mark's trap reaches the planes, each of its inks spreads into them.
void SpreadTrap(const Mark& mark, MaskPainter& painter, const PlaneSet& inks, const Plane& mask)
{
    if (mark.trap.IsEmpty())
        return;
    const std::vector<Span>& band = painter.Paint(mark.trap, mark.reach);
    for (const MarkInk& used : mark.inks)
        Spread(inks[static_cast<std::size_t>(used.ink)], mask, band, used.level);
}

}  // namespace

void PreviewStrip::Render(const Shared& shared, const double area[4], int width, int height, ASUInt32* pixels)
{
    const Job& job = shared.job;
    const RenderSettings& settings = shared.settings;
    const int over = Oversampling(settings.quality);
    const int under = Undersampling(settings.quality);
    const int planeWidth = (width * over + under - 1) / under;
    const int planeHeight = (height * over + under - 1) / under;
    const double sx = static_cast<double>(width) * over / under / (area[1] - area[0]);
    const double sy = static_cast<double>(height) * over / under / (area[3] - area[2]);
    const QTransform toPlane(sx, 0.0, 0.0, sy, -area[0] * sx, -area[2] * sy);

    // The ink planes, then the shape mask, then the page.
    const std::size_t inkCount = job.inks.size();
    const int stride = (planeWidth + 3) & ~3;
    const std::size_t planeBytes = static_cast<std::size_t>(stride) * planeHeight;
    if (planeBytes > m_planeBytes.max_size() / (inkCount + 2))
        throw std::bad_alloc();
    m_planeBytes.resize(planeBytes * (inkCount + 2));
    const PlaneSet inks{m_planeBytes.data(), inkCount, planeWidth, planeHeight, stride};
    const Plane mask{m_planeBytes.data() + inkCount * planeBytes, planeWidth, planeHeight, stride};
    const Plane page{mask.bytes + planeBytes, planeWidth, planeHeight, stride};
    std::memset(page.bytes, 0, planeBytes);
    MaskPainter(m_rasterizer, page, toPlane, settings.antialiasing).Paint(shared.sheet, shared.sheet.Bounds());

    // Marks whose reach misses the planes by more than the painter's margin leave them as they
    // are. The last mark that covers every plane pixel whole sets every ink there, whatever lay
    // beneath; the margin keeps the pixels clear of its edge even where a curve is flattened.
    const double margin = 2.0;
    const QRectF planeArea(QPointF(area[0] - margin / sx, area[2] - margin / sy),
                           QPointF(area[0] + (planeWidth + margin) / sx, area[2] + (planeHeight + margin) / sy));
    shared.index.Find(planeArea, m_found);
    const auto covers = [&](const Mark& mark) { return Holds(mark.solid, 0.0, planeArea); };
    const auto covering = std::find_if(m_found.rbegin(), m_found.rend(), [&](int found) {
        return covers(job.marks[static_cast<std::size_t>(found)]);
    });
    const bool covered = covering != m_found.rend();
    const auto first = covered ? std::prev(covering.base()) : m_found.begin();
    // The covering mark fills the planes without being painted; any mark above it may be hidden.
    DropHidden(job, toPlane, planeWidth, planeHeight, covered ? std::next(first) : first);
    if (!covered)
        std::memset(inks.bytes, 0, inkCount * planeBytes);
    m_levels.resize(inkCount);
    MaskPainter painter(m_rasterizer, mask, toPlane, settings.antialiasing);
    for (auto next = first; next != m_found.end(); ++next) {
        if (*next == kHidden)
            continue;
        const Mark& mark = job.marks[static_cast<std::size_t>(*next)];
        LevelsOf(mark, m_levels);
        if (covers(mark)) {
            for (std::size_t k = 0; k < inkCount; ++k)
                std::memset(inks[k].bytes, m_levels[k], planeBytes);
        } else {
            Cover(inks, m_levels, mask, painter.Paint(mark.shape, mark.reach));
        }
        // The band reaches kTrapWidthMm into the shape, so a solid part wider than that on every
        // side of the planes keeps it off them.
        if (settings.trapsVisible && !Holds(mark.solid, kTrapWidthMm, planeArea))
            SpreadTrap(mark, painter, inks, mask);
    }
    m_rowBytes.resize((inkCount + 1) * static_cast<std::size_t>(width));
    m_rows.resize(inkCount);
    Compose(inks, page, shared.light, {width, height, over, under}, m_rowBytes.data(), m_rows, pixels);
}

// Top-down, from the last mark found to `from`: a mark that those above it hide is dropped, the
// solid part of one that shows covers what lies beneath.
void PreviewStrip::DropHidden(const Job& job, const QTransform& toPlane, int width, int height,
                              std::vector<int>::iterator from)
{
    m_grid.Reset(width, height, toPlane);
    for (auto next = m_found.end(); next != from;) {
        --next;
        const Mark& mark = job.marks[static_cast<std::size_t>(*next)];
        if (m_grid.Hides(mark.reach))
            *next = kHidden;
        else
            m_grid.Cover(mark.solid);
    }
}

}  // namespace kiln
