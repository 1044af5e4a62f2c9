#include "toolkit/RVADM_Pictures.h"

#include "toolkit/RVADM_PictureLoader.h"
#include "toolkit/internal/RVADM_ManagerBuiltinPictures.h"

#ifdef _WIN32
#include "toolkit/internal/RVADM_WinModuleResourceSource.h"
#else
#include "toolkit/internal/RVADM_QtResourceSource.h"
#endif

#include <utility>

namespace qRVADM {
namespace {

std::unique_ptr<internal::RVADM_ResourceSource> DefaultPluginResources()
{
#ifdef _WIN32
    return std::make_unique<internal::RVADM_WinModuleResourceSource>(
        internal::RVADM_WinModuleResourceSource::CurrentModule());
#else
    return std::make_unique<internal::RVADM_QtResourceSource>(QStringLiteral(":/hueline"));
#endif
}

std::unique_ptr<RVADM_PictureLoader> MakeLoader(std::unique_ptr<internal::RVADM_ResourceSource> resources)
{
    return std::make_unique<RVADM_PictureLoader>(std::move(resources),
                                                 std::make_unique<internal::RVADM_ManagerBuiltinPictures>());
}

std::unique_ptr<RVADM_PictureLoader>& Loader()
{
    static std::unique_ptr<RVADM_PictureLoader> loader = MakeLoader(DefaultPluginResources());
    return loader;
}

} // namespace

QPixmap LoadPicture(std::int32_t id, double scale, int themeMode)
{
    return Loader()->Load(id, scale, themeMode);
}

void SetPluginPictureResources(std::unique_ptr<internal::RVADM_ResourceSource> resources)
{
    Loader() = MakeLoader(std::move(resources));
}

} // namespace qRVADM
