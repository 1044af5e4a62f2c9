#include "support/LocaleProvider.h"

#include "support/SearchPath.h"
#include "support/platform/DynamicLibrary.h"
#include "support/platform/Environment.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

constexpr char kTag[] = "RV_LOCALE";
constexpr size_t kCountOffset = 10;

bool HasValidTag(const LocaleProviderNode& node)
{
    uint16_t count = 0;
    std::memcpy(&count, node.tag + kCountOffset, sizeof(count));
    return std::memcmp(node.tag, kTag, sizeof(kTag)) == 0 && count != 0;
}

} // namespace

LocaleProvider::LocaleProvider(LocaleFunctionTable::FormatFunction format,
                               LocaleFunctionTable::LookupFunction cachedLookup)
    : m_builtIn{{reinterpret_cast<LocaleFunctionTable::Entry>(format),
                 reinterpret_cast<LocaleFunctionTable::Entry>(cachedLookup)}}
    , m_current(m_builtIn)
{
}

void LocaleProvider::SetFormatter(LocaleFunctionTable::FormatFunction format)
{
    m_current.entries[0] = reinterpret_cast<LocaleFunctionTable::Entry>(format);
}

bool LocaleProvider::Search(const std::string& language, const SearchPath& searchPath)
{
    const auto path = searchPath.FindPlain(language + platform::SharedLibrarySuffix());
    if (!path)
        return false;
    platform::WriteEnvironment(kPathVariable, path->c_str());
    int errorCode = 0;
    void* library = platform::LoadDynamicLibrary(path->c_str(), errorCode);
    if (library == nullptr) {
        std::fprintf(stderr, "LoadLibrary did not succeed : %d\n", errorCode);
        std::fprintf(stderr, "Could not load shared object %s\n", path->c_str());
        return false;
    }
    Install(static_cast<const LocaleProviderNode*>(platform::FindLibrarySymbol(library, kSymbol)));
    return true;
}

bool LocaleProvider::Install(const LocaleProviderNode* node)
{
    if (node == nullptr || !HasValidTag(*node))
        return false;
    for (size_t i = 0; i < LocaleFunctionTable::kEntryCount; ++i) {
        if (node->entries[i] != nullptr)
            m_current.entries[i] = node->entries[i];
    }
    if (node->initialise != nullptr && node->initialise() == 0)
        m_current = m_builtIn;
    return true;
}
