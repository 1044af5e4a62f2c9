#pragma once

#include "toolkit/internal/RVADM_ResourceSource.h"

namespace qRVADM::internal {

// The resources of a Windows module (the plug-in's own file, found through the host's access
// suite). The module is not owned and must stay loaded while the source is used. Windows only.
class RVADM_WinModuleResourceSource final : public RVADM_ResourceSource
{
public:
    // `module` is the module's HMODULE.
    explicit RVADM_WinModuleResourceSource(void* module);

    // The module that holds this code.
    static void* CurrentModule();

    QByteArray FindById(const char* type, std::int32_t id) const override;
    QByteArray FindByName(const char* type, const QString& name) const override;

private:
    QByteArray Read(const wchar_t* name, const char* type) const;

    void* m_module;
};

} // namespace qRVADM::internal
