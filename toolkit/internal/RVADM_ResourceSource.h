#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace qRVADM::internal {

// Read access to the resources of one module: by type and numeric id, or by type and name. Types
// and names compare without regard to case, as module resources do. An empty result means the
// resource does not exist. Host UI thread only.
class RVADM_ResourceSource
{
public:
    virtual ~RVADM_ResourceSource() = default;

    virtual QByteArray FindById(const char* type, std::int32_t id) const = 0;
    virtual QByteArray FindByName(const char* type, const QString& name) const = 0;
};

} // namespace qRVADM::internal
