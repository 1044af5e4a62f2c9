#include "toolkit/internal/RVADM_QtResourceSource.h"

#include <QFile>

#include <utility>

namespace qRVADM::internal {
namespace {

constexpr int kMaxNameLength = 256;

bool IsResourceName(const QString& name)
{
    if (name.isEmpty() || name.size() > kMaxNameLength || name == QLatin1String(".") ||
        name == QLatin1String(".."))
        return false;
    for (const QChar c : name)
    {
        const bool plain = (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
                           (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
                           (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
        if (!plain && c != QLatin1Char('_') && c != QLatin1Char('-') && c != QLatin1Char('.'))
            return false;
    }
    return true;
}

} // namespace

RVADM_QtResourceSource::RVADM_QtResourceSource(QString root)
    : m_root(std::move(root))
{
}

QByteArray RVADM_QtResourceSource::FindById(const char* type, std::int32_t id) const
{
    if (id < 0)
        return {};
    return Read(type, QString::number(id));
}

QByteArray RVADM_QtResourceSource::FindByName(const char* type, const QString& name) const
{
    if (!IsResourceName(name))
        return {};
    return Read(type, name);
}

QByteArray RVADM_QtResourceSource::Read(const char* type, const QString& name) const
{
    const QString typeName = QString::fromLatin1(type);
    if (!IsResourceName(typeName))
        return {};
    QFile file(m_root + QLatin1Char('/') + typeName.toUpper() + QLatin1Char('/') + name.toUpper());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace qRVADM::internal
