#include "support/BinaryResourceFile.h"

#include "support/FileContent.h"
#include "support/ResourceDatabase.h"
#include "support/ResourceError.h"
#include "support/ResourceTypeTable.h"
#include "support/platform/FileStream.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

namespace {

constexpr size_t kHeaderSize = 11;

// Bounds-checked big-endian reading of a file image.
class ImageReader {
public:
    ImageReader(const unsigned char* data, size_t size)
        : m_data(data)
        , m_size(size)
    {
    }

    bool ReadByte(uint8_t& value)
    {
        if (m_pos >= m_size)
            return false;
        value = m_data[m_pos++];
        return true;
    }

    bool ReadU32(uint32_t& value)
    {
        if (m_size - m_pos < 4)
            return false;
        value = 0;
        for (int i = 0; i < 4; ++i)
            value = (value << 8) | m_data[m_pos++];
        return true;
    }

    bool ReadBytes(std::string& text)
    {
        uint32_t length = 0;
        if (!ReadU32(length) || m_size - m_pos < length)
            return false;
        text.assign(reinterpret_cast<const char*>(m_data + m_pos), length);
        m_pos += length;
        return true;
    }

    void Skip(size_t count) { m_pos += count; }

private:
    const unsigned char* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

void WriteU32(std::string& image, uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        image += static_cast<char>((value >> shift) & 0xFF);
}

void WriteBytes(std::string& image, const std::string& bytes)
{
    WriteU32(image, static_cast<uint32_t>(bytes.size()));
    image += bytes;
}

// BadBinaryFile or UnsupportedVersion when the header does not fit; None otherwise.
ResourceError CheckHeader(const unsigned char* data, size_t size)
{
    if (size < kHeaderSize || std::memcmp(data, BinaryResourceFile::kMagic, 5) != 0)
        return ResourceError::BadBinaryFile;
    if (data[5] != BinaryResourceFile::kVersion || data[6] != 0)
        return ResourceError::UnsupportedVersion;
    return ResourceError::None;
}

// The file's type names; they are registered only when an entry uses them, so that names nobody
// uses do not pile up in the process-wide table.
struct FileTypes {
    std::vector<std::string> names;
    std::vector<int> ids; // 0 until registered

    int IdOf(uint32_t index)
    {
        if (ids[index - 1] == 0)
            ids[index - 1] = ResourceTypeTable::Register(names[index - 1]);
        return ids[index - 1];
    }
};

bool ReadTypes(ImageReader& reader, FileTypes& types)
{
    uint32_t count = 0;
    if (!reader.ReadU32(count))
        return false;
    std::string name;
    for (uint32_t i = 0; i < count; ++i) {
        if (!reader.ReadBytes(name))
            return false;
        types.names.push_back(name);
    }
    types.ids.assign(types.names.size(), 0);
    return true;
}

bool ReadPath(ImageReader& reader, ResourceDatabase::Path& path)
{
    uint32_t count = 0;
    if (!reader.ReadU32(count) || count > ResourceDatabase::kMaxDepth)
        return false;
    path.clear();
    for (uint32_t i = 0; i < count; ++i) {
        uint8_t wildcard = 0;
        ResourceDatabase::Component component{{}, false};
        if (!reader.ReadByte(wildcard) || wildcard > 1 || !reader.ReadBytes(component.text))
            return false;
        component.wildcard = wildcard == 1;
        path.push_back(std::move(component));
    }
    return true;
}

bool ReadEntry(ImageReader& reader, FileTypes& types, ResourceDatabase* db)
{
    ResourceDatabase::Path path;
    uint32_t type = 0;
    auto value = std::make_shared<ResourceDatabase::Value>();
    if (!ReadPath(reader, path) || !reader.ReadU32(type) || type == 0 || type > types.names.size()
        || !reader.ReadBytes(value->data))
        return false;
    value->type = types.IdOf(type);
    return ResourceDatabase::InsertAt(db, path, std::move(value));
}

// The entries of a file whose header was checked, into the fresh `db`.
bool ReadBody(ImageReader& reader, ResourceDatabase* db)
{
    FileTypes types;
    uint32_t count = 0;
    if (!ReadTypes(reader, types) || !reader.ReadU32(count)) {
        SetResourceError(ResourceError::BadBinaryFile);
        return false;
    }
    for (uint32_t i = 0; i < count; ++i) {
        if (!ReadEntry(reader, types, db)) {
            if (LastResourceError() == ResourceError::None)
                SetResourceError(ResourceError::BadBinaryFile);
            return false;
        }
    }
    return true;
}

} // namespace

bool BinaryResourceFile::Read(ResourceDatabase* db, const unsigned char* data, size_t size)
{
    if (!ResourceDatabase::IsValid(db))
        return false;
    const ResourceError headerError = CheckHeader(data, size);
    if (headerError != ResourceError::None) {
        SetResourceError(headerError);
        return false;
    }
    ResourceDatabasePtr fresh(ResourceDatabase::Create());
    if (!fresh)
        return false;
    try {
        ImageReader reader(data, size);
        reader.Skip(7);
        if (!ReadBody(reader, fresh.get()))
            return false;
    } catch (const std::bad_alloc&) {
        SetResourceError(ResourceError::OutOfMemory);
        return false;
    }
    return ResourceDatabase::Merge(db, fresh.get());
}

bool BinaryResourceFile::ReadFile(ResourceDatabase* db, const char* path)
{
    std::string image;
    if (!ReadWholeFile(path, image))
        return false;
    return Read(db, reinterpret_cast<const unsigned char*>(image.data()), image.size());
}

bool BinaryResourceFile::Write(const ResourceDatabase* db, std::string& image)
{
    try {
        image.assign(kMagic, sizeof(kMagic));
        image += static_cast<char>(kVersion);
        image += '\0';
        const auto& types = ResourceTypeTable::Names();
        WriteU32(image, static_cast<uint32_t>(types.size()));
        for (const std::string& name : types)
            WriteBytes(image, name);
        const size_t countOffset = image.size();
        WriteU32(image, 0);
        uint32_t count = 0;
        const bool walked = ResourceDatabase::Visit(db, [&](const ResourceDatabase::Path& path,
                                                            const ResourceDatabase::Value& value) {
            WriteU32(image, static_cast<uint32_t>(path.size()));
            for (const auto& component : path) {
                image += static_cast<char>(component.wildcard ? 1 : 0);
                WriteBytes(image, component.text);
            }
            WriteU32(image, static_cast<uint32_t>(value.type));
            WriteBytes(image, value.data);
            ++count;
            return true;
        });
        if (!walked)
            return false;
        std::string counted;
        WriteU32(counted, count);
        image.replace(countOffset, 4, counted);
        return true;
    } catch (const std::bad_alloc&) {
        SetResourceError(ResourceError::OutOfMemory);
        return false;
    }
}

bool BinaryResourceFile::WriteFile(const ResourceDatabase* db, const char* path)
{
    std::string image;
    if (!Write(db, image))
        return false;
    platform::FileStreamPtr file(platform::OpenFileStream(path, "wb"));
    const bool written = file && std::fwrite(image.data(), 1, image.size(), file.get()) == image.size()
        && std::fclose(file.release()) == 0;
    SetResourceError(written ? ResourceError::None : ResourceError::FileAccess);
    return written;
}
