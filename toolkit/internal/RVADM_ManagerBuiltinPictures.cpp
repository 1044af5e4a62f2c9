#include "toolkit/internal/RVADM_ManagerBuiltinPictures.h"

#include "RVADMQtManager.h"

namespace qRVADM::internal {

bool RVADM_ManagerBuiltinPictures::IsHostDark() const
{
    return RVADMQtManager::QtManager::IsInDarkMode(nullptr);
}

QByteArray RVADM_ManagerBuiltinPictures::Find(std::int32_t id, bool dark, double scale) const
{
    return RVADMQtManager::SharedResources::GetBuiltinResource(id, dark, scale);
}

} // namespace qRVADM::internal
