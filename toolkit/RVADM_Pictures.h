#pragma once

#include <QPixmap>

#include <cstdint>
#include <memory>

namespace qRVADM {

namespace internal {
class RVADM_ResourceSource;
} // namespace internal

// The toolkit's one picture loader (RVADM_PictureLoader) for the whole process. Its plug-in
// resources are, until replaced, the Qt resources under ":/hueline" or, on Windows, the module
// that holds the toolkit. Host UI thread only.
QPixmap LoadPicture(std::int32_t id, double scale, int themeMode);

// The widget property in which picture items publish the id they show, so that the host (and its
// scripts) can tell picture controls apart.
constexpr const char* kPictureIdProperty = "_rvadm_pictureid";

// Gives the loader the plug-in's resources (on Windows the plug-in module found through the host's
// access suite); pictures loaded and misses remembered so far are forgotten.
void SetPluginPictureResources(std::unique_ptr<internal::RVADM_ResourceSource> resources);

} // namespace qRVADM
