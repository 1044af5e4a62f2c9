#include "support/ResourceDatabase.h"

#include "support/ResourceError.h"
#include "support/ResourceNameTable.h"
#include "support/ResourceTypeTable.h"

#include <array>
#include <cstring>
#include <new>

namespace {

using Name = ResourceNameTable::Name;

// Bucket 257 holds the wildcard bindings; named components spread over the other 257.
constexpr size_t kWildcardBucket = ResourceDatabase::kBucketCount - 1;

} // namespace

struct ResourceDatabase::Node {
    using Bucket = std::vector<std::unique_ptr<Node>>;

    const Name* name = nullptr;
    bool wildcard = false;
    SharedValue value;
    std::unique_ptr<std::array<Bucket, kBucketCount>> children; // made with the first child

    static size_t BucketOf(const Name* name, bool wildcard)
    {
        return wildcard ? kWildcardBucket : name->hash % kWildcardBucket;
    }

    Node* Find(const Name* childName, bool childWildcard) const
    {
        if (!children)
            return nullptr;
        for (const auto& child : (*children)[BucketOf(childName, childWildcard)]) {
            if (child->name == childName && child->wildcard == childWildcard)
                return child.get();
        }
        return nullptr;
    }

    Node* FindOrAdd(const Name* childName, bool childWildcard)
    {
        if (Node* found = Find(childName, childWildcard))
            return found;
        if (!children)
            children = std::make_unique<std::array<Bucket, kBucketCount>>();
        auto node = std::make_unique<Node>();
        node->name = childName;
        node->wildcard = childWildcard;
        auto& bucket = (*children)[BucketOf(childName, childWildcard)];
        bucket.push_back(std::move(node));
        return bucket.back().get();
    }

    template <typename Function> void ForEachChild(Function&& function) const
    {
        if (!children)
            return;
        for (const auto& bucket : *children) {
            for (const auto& child : bucket)
                function(*child);
        }
    }
};

namespace {

using Node = ResourceDatabase::Node;
using Path = ResourceDatabase::Path;
using Component = ResourceDatabase::Component;

// Exact component first, then the wildcard binding of that level. A text never interned in
// `names` is no component of the database.
const Node* FindPath(const ResourceNameTable& names, const Node& node, const Path& path, size_t index)
{
    if (index == path.size())
        return node.value ? &node : nullptr;
    const Component& component = path[index];
    if (!component.wildcard) {
        if (const Name* name = names.Find(component.text)) {
            if (const Node* child = node.Find(name, false)) {
                if (const Node* found = FindPath(names, *child, path, index + 1))
                    return found;
            }
        }
    }
    const Name* wildcard = names.Find("*");
    const Node* binding = wildcard != nullptr ? node.Find(wildcard, true) : nullptr;
    return binding != nullptr ? FindPath(names, *binding, path, index + 1) : nullptr;
}

// `src`'s names belong to its own database; `dst`'s are interned in `dstNames`.
void MergeNode(ResourceNameTable& dstNames, Node& dst, const Node& src)
{
    if (src.value)
        dst.value = src.value;
    src.ForEachChild([&](const Node& child) {
        MergeNode(dstNames, *dst.FindOrAdd(dstNames.Intern(child.name->text), child.wildcard), child);
    });
}

bool VisitNode(const Node& node, Path& path, const ResourceDatabase::Visitor& visitor)
{
    if (node.value && !visitor(path, *node.value))
        return false;
    bool goOn = true;
    node.ForEachChild([&](const Node& child) {
        if (!goOn)
            return;
        path.push_back({child.name->text, child.wildcard});
        goOn = VisitNode(child, path, visitor);
        path.pop_back();
    });
    return goOn;
}

} // namespace

ResourceDatabase::ResourceDatabase()
    : m_root(std::make_unique<Node>())
{
    std::memcpy(m_tag, kTag, sizeof(kTag));
}

ResourceDatabase::~ResourceDatabase() = default;

bool ResourceDatabase::IsValid(const ResourceDatabase* db)
{
    // Read as bytes: the handle may point at anything.
    if (db != nullptr && std::memcmp(reinterpret_cast<const char*>(db), kTag, sizeof(kTag)) == 0)
        return true;
    SetResourceError(ResourceError::InvalidDatabase);
    return false;
}

ResourceDatabase* ResourceDatabase::Create()
{
    try {
        auto* db = new ResourceDatabase();
        SetResourceError(ResourceError::None);
        return db;
    } catch (const std::bad_alloc&) {
        SetResourceError(ResourceError::OutOfMemory);
        return nullptr;
    }
}

void ResourceDatabase::Free(ResourceDatabase* db)
{
    if (db == nullptr || !IsValid(db))
        return;
    std::memcpy(db->m_tag, kFreedTag, sizeof(kFreedTag));
    delete db;
}

ResourceDatabase::Path ResourceDatabase::SplitKey(const char* key)
{
    Path path;
    if (key[0] == '.' && key[1] != '.')
        ++key;
    Component component{{}, false};
    bool escaped = false;
    for (const char* p = key;; ++p) {
        if (*p == '\\' && p[1] != '\0') {
            component.text += *++p;
            escaped = true;
            continue;
        }
        if (*p == '.' || *p == '\0') {
            component.wildcard = !escaped && component.text == "*";
            path.push_back(std::move(component));
            component = Component{{}, false};
            escaped = false;
            if (*p == '\0')
                return path;
            continue;
        }
        component.text += *p;
    }
}

bool ResourceDatabase::Insert(ResourceDatabase* db, const char* key, const char* value)
{
    if (!IsValid(db))
        return false;
    try {
        auto shared = std::make_shared<const Value>(Value{ResourceTypeTable::kStringType, value});
        return InsertAt(db, SplitKey(key), std::move(shared));
    } catch (const std::bad_alloc&) {
        SetResourceError(ResourceError::OutOfMemory);
        return false;
    }
}

bool ResourceDatabase::InsertAt(ResourceDatabase* db, const Path& path, SharedValue value)
{
    if (!IsValid(db))
        return false;
    SetResourceError(ResourceError::None);
    if (path.size() > kMaxDepth)
        return false;
    try {
        Node* node = db->m_root.get();
        for (const Component& component : path)
            node = node->FindOrAdd(db->m_names.Intern(component.text), component.wildcard);
        node->value = std::move(value);
        return true;
    } catch (const std::bad_alloc&) {
        SetResourceError(ResourceError::OutOfMemory);
        return false;
    }
}

std::optional<std::string> ResourceDatabase::Lookup(const ResourceDatabase* db, const char* key)
{
    if (!IsValid(db))
        return std::nullopt;
    try {
        SetResourceError(ResourceError::None);
        const Path path = SplitKey(key);
        if (path.size() > kMaxDepth)
            return std::nullopt;
        const Node* node = FindPath(db->m_names, *db->m_root, path, 0);
        if (node == nullptr)
            return std::nullopt;
        return node->value->data;
    } catch (const std::bad_alloc&) {
        SetResourceError(ResourceError::OutOfMemory);
        return std::nullopt;
    }
}

bool ResourceDatabase::Merge(ResourceDatabase* dst, const ResourceDatabase* src)
{
    if (!IsValid(dst) || !IsValid(src))
        return false;
    try {
        if (dst != src)
            MergeNode(dst->m_names, *dst->m_root, *src->m_root);
        SetResourceError(ResourceError::None);
        return true;
    } catch (const std::bad_alloc&) {
        SetResourceError(ResourceError::OutOfMemory);
        return false;
    }
}

ResourceDatabase* ResourceDatabase::Copy(const ResourceDatabase* src)
{
    if (!IsValid(src))
        return nullptr;
    ResourceDatabasePtr copy(Create());
    if (!copy || !Merge(copy.get(), src))
        return nullptr;
    return copy.release();
}

bool ResourceDatabase::Visit(const ResourceDatabase* db, const Visitor& visitor)
{
    if (!IsValid(db))
        return false;
    try {
        SetResourceError(ResourceError::None);
        Path path;
        VisitNode(*db->m_root, path, visitor);
        return true;
    } catch (const std::bad_alloc&) {
        SetResourceError(ResourceError::OutOfMemory);
        return false;
    }
}
