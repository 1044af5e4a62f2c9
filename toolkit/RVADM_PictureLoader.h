#pragma once

#include "toolkit/internal/RVADM_IdToFileTable.h"

#include <QPixmap>
#include <QPixmapCache>

#include <cstdint>
#include <memory>
#include <optional>
#include <unordered_map>

namespace qRVADM {

namespace internal {
class RVADM_BuiltinPictures;
class RVADM_ResourceSource;
} // namespace internal

// How a picture follows the theme.
enum class RVADM_ThemeMode : int
{
    FollowHost = 0,
    OppositeOfHost = 1,
    Light = 2,
    Dark = 3,
};

// Loads pictures by resource id: the toolkit's built-in icons (16000–16099 and 16800–16899) from
// the manager library, all others from the plug-in's resources (a "PNGI" resource with the id,
// else the "png" resource that the "IDToFile" table names). Ids 16000–16999 have a light (+1000)
// and a dark (+2000) variant; every id has a high-density variant (+4000). Found pictures of at
// most 16384 pixels are kept in the pixmap cache, and misses are remembered, per effective id.
// Host UI thread only; needs a QGuiApplication.
class RVADM_PictureLoader
{
public:
    RVADM_PictureLoader(std::unique_ptr<internal::RVADM_ResourceSource> pluginResources,
                        std::unique_ptr<internal::RVADM_BuiltinPictures> builtins);
    ~RVADM_PictureLoader();
    RVADM_PictureLoader(const RVADM_PictureLoader&) = delete;
    RVADM_PictureLoader& operator=(const RVADM_PictureLoader&) = delete;

    // The picture `id` for device pixel ratio `scale` (a scale that is not a positive number is
    // taken as 1.0) and `themeMode` (0–3, RVADM_ThemeMode; other values follow the host). The
    // result's device pixel ratio is the scale of the variant found. Null when there is no such
    // picture, for ids below 0, and without a QGuiApplication.
    QPixmap Load(std::int32_t id, double scale, int themeMode);

    static bool IsBuiltinId(std::int32_t id);
    // The id of the variant for the theme and scale; empty when it lies outside 32 bits.
    static std::optional<std::int32_t> EffectiveId(std::int32_t id, double scale, bool dark);

private:
    struct Known
    {
        QPixmapCache::Key key;
        bool missing = false;
    };

    bool IsDark(int themeMode) const;
    QPixmap Search(std::int32_t id, std::int32_t effectiveId, double scale, bool dark);
    QByteArray FindData(std::int32_t id, std::int32_t lookupId, double scale, bool dark);
    QByteArray FindPluginData(std::int32_t lookupId);
    const internal::RVADM_IdToFileTable& Table();

    std::unique_ptr<internal::RVADM_ResourceSource> m_pluginResources;
    std::unique_ptr<internal::RVADM_BuiltinPictures> m_builtins;
    std::optional<internal::RVADM_IdToFileTable> m_table;
    std::unordered_map<std::int32_t, Known> m_known;
};

} // namespace qRVADM
