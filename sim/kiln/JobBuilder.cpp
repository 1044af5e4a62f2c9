#include "sim/kiln/JobBuilder.h"

#include "sim/host/ArtworkOutline.h"
#include "sim/host/HostSimDocumentAccessSuite.h"
#include "sim/kiln/MarkBatch.h"
#include "sim/kiln/TextOutlines.h"

#include <QGuiApplication>
#include <QTransform>

#include <cmath>

namespace kiln {
namespace {

constexpr double kMillimetresPerPoint = 25.4 / 72.0;

// Artwork points (y upwards, origin where the page origin puts it) to job millimetres.
QTransform ArtworkToJob(const HostSimDocumentInfo& info)
{
    const double k = kMillimetresPerPoint;
    return QTransform(k, 0.0, 0.0, -k, info.pageOrigin.h * k, (info.pageHeight - info.pageOrigin.v) * k);
}

// False when the paint names an ink the document does not hold.
bool ReadPaint(const HostSimPaint& paint, int inkCount, std::vector<MarkInk>& inks)
{
    for (ASInt32 i = 0; i < paint.count; ++i) {
        const HostSimInkTint& tint = paint.tints[i];
        if (tint.ink < 0 || tint.ink >= inkCount || !(tint.tint >= 0.0 && tint.tint <= 1.0))
            return false;
        inks.push_back({tint.ink, static_cast<std::uint8_t>(std::lround(tint.tint * 255.0))});
    }
    return true;
}

std::string ItemError(const std::string& document, ASInt32 index, const char* problem)
{
    return document + ": artwork " + std::to_string(index + 1) + ": " + problem;
}

}  // namespace

JobBuilder::JobBuilder(const HostSimDocumentAccessSuite& access) : m_access(access) {}

std::unique_ptr<Job> JobBuilder::Build(AIDocumentHandle document, std::string& error) const
{
    HostSimDocumentInfo info{};
    if (m_access.GetDocumentInfo(document, &info) != kNoErr) {
        error = "The document cannot be read.";
        return nullptr;
    }
    const std::string name = info.name ? info.name : "";
    if (info.colorModel != kHostSimCMYKColorModel) {
        error = name + ": RGB documents cannot be printed; convert the document to CMYK.";
        return nullptr;
    }
    if (info.artworkCount <= 0) {
        error = name + ": the document has no artwork to print.";
        return nullptr;
    }
    auto job = std::make_unique<Job>();
    job->document = document;
    job->documentName = name;
    job->revision = info.revision;
    job->width = info.pageWidth * kMillimetresPerPoint;
    job->height = info.pageHeight * kMillimetresPerPoint;
    for (ASInt32 i = 0; i < info.inkCount; ++i) {
        HostSimInk ink{};
        if (m_access.GetInk(document, i, &ink) != kNoErr || !ink.name) {
            error = "The document cannot be read.";
            return nullptr;
        }
        const AIReal* v = ink.appearance;
        job->inks.push_back({ink.name, ink.appearanceSpace == kHostSimAppearanceLab ? FromLab(v[0], v[1], v[2])
                                                                                      : FromRgb255(v[0], v[1], v[2])});
    }
    const QTransform toJob = ArtworkToJob(info);
    const int inkCount = static_cast<int>(job->inks.size());
    TextOutlines texts;
    MarkBatch marks(job->marks);
    for (ASInt32 i = 0; i < info.artworkCount; ++i) {
        HostSimArtwork item{};
        if (m_access.GetArtwork(document, i, &item) != kNoErr) {
            error = "The document cannot be read.";
            return nullptr;
        }
        if (item.kind == kHostSimText && !QGuiApplication::instance()) {
            error = ItemError(name, i, "text cannot be laid out without the application's fonts");
            return nullptr;
        }
        std::vector<MarkInk> fill;
        std::vector<MarkInk> stroke;
        if (!ReadPaint(item.fill, inkCount, fill) || !ReadPaint(item.stroke, inkCount, stroke)) {
            error = ItemError(name, i, "paints with an ink the document does not hold");
            return nullptr;
        }
        if (item.kind == kHostSimText) {
            for (const QPainterPath& glyph : texts.Of(item))
                marks.AddFill(toJob.map(glyph), fill, item.kind);
            continue;
        }
        const QPainterPath outline = hostsim::ArtworkOutline(item.kind, item.bounds, item.points,
                                                            static_cast<std::size_t>(item.pointCount), item.closed != 0);
        if (!fill.empty())
            marks.AddFill(toJob.map(outline), std::move(fill), item.kind);
        if (!stroke.empty() && item.strokeWidth > 0.0)
            marks.AddStroke(outline, item.strokeWidth, toJob, std::move(stroke));
    }
    marks.Finish();
    for (const Mark& mark : job->marks)
        job->artwork = job->artwork.united(mark.shape.Bounds());
    return job;
}

std::vector<std::string> JobBuilder::InkNames(AIDocumentHandle document) const
{
    std::vector<std::string> names;
    HostSimDocumentInfo info{};
    if (m_access.GetDocumentInfo(document, &info) != kNoErr)
        return names;
    for (ASInt32 i = 0; i < info.inkCount; ++i) {
        HostSimInk ink{};
        if (m_access.GetInk(document, i, &ink) == kNoErr && ink.name)
            names.emplace_back(ink.name);
    }
    return names;
}

}  // namespace kiln
