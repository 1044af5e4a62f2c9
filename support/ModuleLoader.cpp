#include "support/ModuleLoader.h"

#include "support/BinaryResourceFile.h"
#include "support/ResourceFileParser.h"
#include "support/SearchPath.h"

#include <optional>

namespace {

// The text file when there is one, else the binary file; `find` is a search of `searchPath`.
template <typename Find> void LoadFirstFound(ResourceDatabase* db, const std::string& module, Find find)
{
    if (const auto text = find(module + ".asc")) {
        ParseResourceFile(db, text->c_str());
        return;
    }
    if (const auto binary = find(module))
        BinaryResourceFile::ReadFile(db, binary->c_str());
}

} // namespace

ResourceDatabasePtr ModuleLoader::Load(const std::string& module, const std::string& language,
                                       const SearchPath& searchPath)
{
    ResourceDatabasePtr db(ResourceDatabase::Create());
    if (!db)
        return db;
    LoadFirstFound(db.get(), module, [&](const std::string& name) { return searchPath.FindPlain(name); });
    LoadFirstFound(db.get(), module,
                   [&](const std::string& name) { return searchPath.FindInLanguage(name, language); });
    return db;
}
