#pragma once

#include "support/ResourceNameTable.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// In-memory resource database: a tree whose edges are key components ("a.b.c" is the path a, b,
// c). In a key a backslash escapes the next character ("\." is a dot inside a component), one
// leading "." is ignored, and an unescaped component "*" is a wildcard binding. A lookup prefers
// the exact component at every level and falls back to a wildcard binding there, which matches
// any one component.
//
// Databases are handled through tagged pointers: every operation first checks the tag and fails
// with ResourceError::InvalidDatabase when it is missing; Free overwrites it with "FREED". Every
// operation but Free sets LastResourceError(); Free leaves it alone so that releasing a scratch
// database does not hide the error that made it useless. Keys of more than kMaxDepth components are refused (false,
// error None) so that hostile files cannot nest without bound.
class ResourceDatabase {
public:
    struct Value {
        int type; // ResourceTypeTable id
        std::string data;
    };
    using SharedValue = std::shared_ptr<const Value>;

    struct Component {
        std::string text;
        bool wildcard;
    };
    using Path = std::vector<Component>;
    // Returns false to stop the walk.
    using Visitor = std::function<bool(const Path& path, const Value& value)>;

    static constexpr char kTag[8] = "-RVRDB-";
    static constexpr char kFreedTag[6] = "FREED";
    static constexpr size_t kBucketCount = 258;
    static constexpr size_t kMaxDepth = 512;

    // A new empty database, or null on out of memory.
    static ResourceDatabase* Create();
    // True when `db` carries the tag; otherwise sets InvalidDatabase.
    static bool IsValid(const ResourceDatabase* db);
    // Releases `db` (null is ignored).
    static void Free(ResourceDatabase* db);
    // Stores `value` as a "string" value at `key`, replacing what was there.
    static bool Insert(ResourceDatabase* db, const char* key, const char* value);
    static bool InsertAt(ResourceDatabase* db, const Path& path, SharedValue value);
    // A copy of the value data at `key`, or nothing (error None when simply absent).
    static std::optional<std::string> Lookup(const ResourceDatabase* db, const char* key);
    // Copies every value of `src` into `dst`, replacing `dst`'s values at equal keys. Values are
    // shared, not copied.
    static bool Merge(ResourceDatabase* dst, const ResourceDatabase* src);
    // A new database with the content of `src`, or null.
    static ResourceDatabase* Copy(const ResourceDatabase* src);
    // Calls `visitor` for every value, parents before children.
    static bool Visit(const ResourceDatabase* db, const Visitor& visitor);
    // The component path of `key`.
    static Path SplitKey(const char* key);

    ResourceDatabase(const ResourceDatabase&) = delete;
    ResourceDatabase& operator=(const ResourceDatabase&) = delete;

    struct Node; // the tree's node, private to ResourceDatabase.cpp

private:

    ResourceDatabase();
    ~ResourceDatabase();

    char m_tag[sizeof(kTag)]; // first member: the tag sits at the start of the block
    ResourceNameTable m_names; // the components of this database's keys
    std::unique_ptr<Node> m_root;
};

// Owns a database and frees it.
struct ResourceDatabaseDeleter {
    void operator()(ResourceDatabase* db) const { ResourceDatabase::Free(db); }
};
using ResourceDatabasePtr = std::unique_ptr<ResourceDatabase, ResourceDatabaseDeleter>;
