#pragma once

#include "toolkit/internal/RVADM_BuiltinPictures.h"

namespace qRVADM::internal {

// The built-in pictures and the host theme as the toolkit manager library serves them.
class RVADM_ManagerBuiltinPictures final : public RVADM_BuiltinPictures
{
public:
    bool IsHostDark() const override;
    QByteArray Find(std::int32_t id, bool dark, double scale) const override;
};

} // namespace qRVADM::internal
