#include "toolkit/RVADM_PictureLoader.h"

#include "toolkit/internal/RVADM_BuiltinPictures.h"
#include "toolkit/internal/RVADM_ResourceSource.h"

#include <QGuiApplication>

#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace qRVADM {
namespace {

constexpr std::int32_t kThemedFirst = 16000;
constexpr std::int32_t kThemedLast = 16999;
constexpr std::int64_t kLightOffset = 1000;
constexpr std::int64_t kDarkOffset = 2000;
constexpr std::int64_t kHighDensityOffset = 4000;
constexpr qint64 kMaxCachedPixels = 16384;

struct IdRange
{
    std::int32_t first;
    std::int32_t last;
};
constexpr IdRange kBuiltinRanges[] = {{16000, 16099}, {16800, 16899}};

constexpr char kPictureType[] = "PNGI";
constexpr char kNamedPictureType[] = "png";
constexpr char kTableType[] = "txt";
constexpr char kTableName[] = "IDToFile";

// One place to look: the id to look up and the scale its picture has.
struct Attempt
{
    std::int32_t lookupId;
    double scale;
};

bool IsHighDensity(double scale)
{
    return scale > 1.0;
}

double SanitizedScale(double scale)
{
    return std::isfinite(scale) && scale > 0.0 ? scale : 1.0;
}

// The effective id, then the requested id's high-density variant, then the requested id at 1.0.
std::vector<Attempt> Attempts(std::int32_t id, std::int32_t effectiveId, double scale)
{
    std::vector<Attempt> attempts{{effectiveId, scale}};
    if (effectiveId == id)
        return attempts;
    if (IsHighDensity(scale))
        attempts.push_back({static_cast<std::int32_t>(id + kHighDensityOffset), scale});
    attempts.push_back({id, 1.0});
    return attempts;
}

} // namespace

RVADM_PictureLoader::RVADM_PictureLoader(std::unique_ptr<internal::RVADM_ResourceSource> pluginResources,
                                         std::unique_ptr<internal::RVADM_BuiltinPictures> builtins)
    : m_pluginResources(std::move(pluginResources)), m_builtins(std::move(builtins))
{
}

RVADM_PictureLoader::~RVADM_PictureLoader()
{
    if (QGuiApplication::instance() == nullptr)
        return;
    for (const auto& entry : m_known)
        QPixmapCache::remove(entry.second.key);
}

bool RVADM_PictureLoader::IsBuiltinId(std::int32_t id)
{
    for (const IdRange& range : kBuiltinRanges)
    {
        if (id >= range.first && id <= range.last)
            return true;
    }
    return false;
}

std::optional<std::int32_t> RVADM_PictureLoader::EffectiveId(std::int32_t id, double scale, bool dark)
{
    std::int64_t effective = id;
    if (id >= kThemedFirst && id <= kThemedLast)
        effective += dark ? kDarkOffset : kLightOffset;
    if (IsHighDensity(scale))
        effective += kHighDensityOffset;
    if (effective > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(effective);
}

QPixmap RVADM_PictureLoader::Load(std::int32_t id, double scale, int themeMode)
{
    if (id < 0 || QGuiApplication::instance() == nullptr)
        return {};
    scale = SanitizedScale(scale);
    const bool dark = IsDark(themeMode);
    const std::optional<std::int32_t> effectiveId = EffectiveId(id, scale, dark);
    if (!effectiveId)
        return {};

    const auto known = m_known.find(*effectiveId);
    if (known != m_known.end())
    {
        QPixmap cached;
        if (known->second.missing || QPixmapCache::find(known->second.key, &cached))
            return cached;
        m_known.erase(known);
    }
    return Search(id, *effectiveId, scale, dark);
}

bool RVADM_PictureLoader::IsDark(int themeMode) const
{
    switch (static_cast<RVADM_ThemeMode>(themeMode))
    {
    case RVADM_ThemeMode::Light:
        return false;
    case RVADM_ThemeMode::Dark:
        return true;
    case RVADM_ThemeMode::OppositeOfHost:
        return !m_builtins->IsHostDark();
    case RVADM_ThemeMode::FollowHost:
        break;
    }
    return m_builtins->IsHostDark();
}

QPixmap RVADM_PictureLoader::Search(std::int32_t id, std::int32_t effectiveId, double scale, bool dark)
{
    QPixmap pixmap;
    std::optional<Attempt> previous;
    for (const Attempt& attempt : Attempts(id, effectiveId, scale))
    {
        // A built-in icon is always asked for by its requested id: only the scale differs.
        const std::int32_t queryId = IsBuiltinId(id) ? id : attempt.lookupId;
        if (previous && previous->lookupId == queryId && previous->scale == attempt.scale)
            continue;
        previous = Attempt{queryId, attempt.scale};
        const QByteArray data = FindData(id, attempt.lookupId, attempt.scale, dark);
        if (!data.isEmpty() && pixmap.loadFromData(data, "PNG"))
        {
            pixmap.setDevicePixelRatio(attempt.scale);
            break;
        }
    }

    if (pixmap.isNull())
    {
        m_known[effectiveId].missing = true;
        return pixmap;
    }
    if (qint64{pixmap.width()} * pixmap.height() <= kMaxCachedPixels)
        m_known[effectiveId].key = QPixmapCache::insert(pixmap);
    return pixmap;
}

QByteArray RVADM_PictureLoader::FindData(std::int32_t id, std::int32_t lookupId, double scale, bool dark)
{
    if (IsBuiltinId(id))
        return m_builtins->Find(id, dark, scale);
    return FindPluginData(lookupId);
}

QByteArray RVADM_PictureLoader::FindPluginData(std::int32_t lookupId)
{
    if (m_pluginResources == nullptr)
        return {};
    QByteArray data = m_pluginResources->FindById(kPictureType, lookupId);
    if (!data.isEmpty())
        return data;
    const QString name = Table().NameFor(lookupId);
    if (name.isEmpty())
        return {};
    return m_pluginResources->FindByName(kNamedPictureType, name);
}

const internal::RVADM_IdToFileTable& RVADM_PictureLoader::Table()
{
    if (!m_table)
    {
        m_table.emplace(m_pluginResources->FindByName(kTableType, QString::fromLatin1(kTableName)));
    }
    return *m_table;
}

} // namespace qRVADM
