#pragma once

#include "toolkit/internal/RVADM_ResourceSource.h"

namespace qRVADM::internal {

// Module resources kept as Qt resources under `root`: a resource of type T with id N or name S is
// the file "root/T/N" or "root/T/S", type and name upper-cased. Names other than letters, digits,
// '_', '-' and '.' (and "." or ".." alone) never name a resource.
class RVADM_QtResourceSource final : public RVADM_ResourceSource
{
public:
    explicit RVADM_QtResourceSource(QString root);

    QByteArray FindById(const char* type, std::int32_t id) const override;
    QByteArray FindByName(const char* type, const QString& name) const override;

private:
    QByteArray Read(const char* type, const QString& name) const;

    QString m_root;
};

} // namespace qRVADM::internal
