#include "toolkit/DimensionUserSuite.h"

#include "plugin/suites/AIUnicodeStringSuite.h"

#include <QByteArray>
#include <QString>

namespace qRVADM {
namespace {

// A host string object, destroyed with the holder. Without one (the host refused to make it)
// `Get` is null and `Text` nothing.
class HostString
{
public:
    HostString(const AIUnicodeStringSuite& suite, const QString& text) : m_suite(suite)
    {
        const auto* units = reinterpret_cast<const std::uint16_t*>(text.utf16());
        if (suite.InitializeUTF16(&m_handle, units, static_cast<std::size_t>(text.size())) != kNoErr)
            m_handle = nullptr;
    }
    ~HostString()
    {
        if (m_handle)
            m_suite.Destroy(m_handle);
    }
    HostString(const HostString&) = delete;
    HostString& operator=(const HostString&) = delete;

    AIUnicodeStringHandle Get() const { return m_handle; }

    std::optional<QString> Text() const
    {
        std::size_t needed = 0;
        if (!m_handle || m_suite.GetAs(m_handle, kAIUTF8CharacterEncoding, nullptr, 0, &needed) != kNoErr || needed == 0)
            return std::nullopt;
        QByteArray utf8(static_cast<int>(needed), '\0');
        if (m_suite.GetAs(m_handle, kAIUTF8CharacterEncoding, utf8.data(), needed, &needed) != kNoErr)
            return std::nullopt;
        return QString::fromUtf8(utf8.constData());
    }

private:
    const AIUnicodeStringSuite& m_suite;
    AIUnicodeStringHandle m_handle = nullptr;
};

}  // namespace

DimensionUserSuite::DimensionUserSuite(const AIUserSuite* user, const AIUnicodeStringSuite* strings)
    : m_user(user)
    , m_strings(strings)
{
}

std::optional<QString> DimensionUserSuite::FormatNumber(double value, int decimals) const
{
    if (!m_user || !m_user->FormatNumber || !m_strings)
        return std::nullopt;
    HostString text(*m_strings, QString());
    if (!text.Get() || m_user->FormatNumber(value, decimals, text.Get()) != kNoErr)
        return std::nullopt;
    return text.Text();
}

std::optional<double> DimensionUserSuite::EvaluateExpression(const QString& text,
                                                             const AIExpressionOptions& options) const
{
    if (!m_user || !m_user->EvaluateExpression || !m_strings)
        return std::nullopt;
    HostString expression(*m_strings, text);
    AIReal value = 0;
    AIBoolean failed = 1;
    if (!expression.Get() || m_user->EvaluateExpression(expression.Get(), &options, &value, &failed) != kNoErr ||
        failed)
        return std::nullopt;
    return value;
}

}  // namespace qRVADM
