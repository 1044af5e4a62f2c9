#include "toolkit/internal/RVADM_WinModuleResourceSource.h"

#ifdef _WIN32

#include <windows.h>

#include <limits>
#include <string>

namespace qRVADM::internal {
namespace {

// Numeric resource ids are 16-bit; 0 is not an id.
constexpr std::int32_t kMaxResourceId = 0xFFFF;

std::wstring Wide(const QString& text)
{
    return text.toStdWString();
}

} // namespace

RVADM_WinModuleResourceSource::RVADM_WinModuleResourceSource(void* module)
    : m_module(module)
{
}

void* RVADM_WinModuleResourceSource::CurrentModule()
{
    HMODULE module = nullptr;
    const DWORD flags =
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT;
    if (!GetModuleHandleExW(flags, reinterpret_cast<LPCWSTR>(&RVADM_WinModuleResourceSource::CurrentModule),
                            &module))
        return nullptr;
    return module;
}

QByteArray RVADM_WinModuleResourceSource::FindById(const char* type, std::int32_t id) const
{
    if (id < 1 || id > kMaxResourceId)
        return {};
    return Read(MAKEINTRESOURCEW(id), type);
}

QByteArray RVADM_WinModuleResourceSource::FindByName(const char* type, const QString& name) const
{
    if (name.isEmpty() || name.contains(QChar(0)))
        return {};
    const std::wstring wideName = Wide(name);
    return Read(wideName.c_str(), type);
}

QByteArray RVADM_WinModuleResourceSource::Read(const wchar_t* name, const char* type) const
{
    if (m_module == nullptr)
        return {};
    const auto module = static_cast<HMODULE>(m_module);
    const std::wstring wideType = Wide(QString::fromLatin1(type));
    HRSRC info = FindResourceW(module, name, wideType.c_str());
    if (info == nullptr)
        return {};
    HGLOBAL loaded = LoadResource(module, info);
    const DWORD size = SizeofResource(module, info);
    const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (data == nullptr || size == 0 || size > static_cast<DWORD>(std::numeric_limits<int>::max()))
        return {};
    return QByteArray(static_cast<const char*>(data), static_cast<int>(size));
}

} // namespace qRVADM::internal

#endif // _WIN32
