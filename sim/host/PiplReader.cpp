#include "sim/host/PiplReader.h"

#include "plugin/suites/PiPL.h"

#include <elf.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <vector>

namespace hostsim {
namespace {

using Bytes = std::vector<char>;

template <typename T>
bool ReadAt(const Bytes& file, std::size_t offset, T& value)
{
    if (offset > file.size() || file.size() - offset < sizeof(T))
        return false;
    std::memcpy(&value, file.data() + offset, sizeof(T));
    return true;
}

// `size` bytes of the file from `offset`; false when the file ends before. Plug-in files are
// large, so only the headers and the one section are read, never the whole file.
bool ReadAt(std::istream& file, std::uint64_t offset, std::size_t size, char* out)
{
    file.clear();
    file.seekg(static_cast<std::streamoff>(offset));
    return file.read(out, static_cast<std::streamsize>(size)) && file.gcount() == static_cast<std::streamsize>(size);
}

template <typename T>
bool ReadAt(std::istream& file, std::uint64_t offset, T& value)
{
    return ReadAt(file, offset, sizeof(T), reinterpret_cast<char*>(&value));
}

// Whether the NUL-terminated text at `offset` is `name`.
bool NameAt(std::istream& file, std::uint64_t offset, const char* name)
{
    Bytes text(std::strlen(name) + 1);
    return ReadAt(file, offset, text.size(), text.data()) && std::memcmp(text.data(), name, text.size()) == 0;
}

// The bytes of the named section of a 64-bit ELF file, or nothing.
std::optional<Bytes> ElfSection(std::istream& file, const char* name, std::string& error)
{
    file.seekg(0, std::ios::end);
    const std::uint64_t size = static_cast<std::uint64_t>(file.tellg());
    Elf64_Ehdr header{};
    if (!ReadAt(file, 0, header) || std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 ||
        header.e_ident[EI_CLASS] != ELFCLASS64) {
        error = "not a 64-bit ELF file";
        return std::nullopt;
    }
    Elf64_Shdr names{};
    if (!ReadAt(file, header.e_shoff + std::uint64_t{header.e_shstrndx} * sizeof(Elf64_Shdr), names)) {
        error = "truncated section table";
        return std::nullopt;
    }
    for (std::size_t i = 0; i < header.e_shnum; ++i) {
        Elf64_Shdr section{};
        if (!ReadAt(file, header.e_shoff + i * sizeof(Elf64_Shdr), section))
            break;
        if (!NameAt(file, names.sh_offset + section.sh_name, name))
            continue;
        const bool inside = section.sh_offset <= size && size - section.sh_offset >= section.sh_size;
        Bytes list(inside ? section.sh_size : 0);
        if (!inside || !ReadAt(file, section.sh_offset, list.size(), list.data())) {
            error = "truncated property list";
            return std::nullopt;
        }
        return list;
    }
    error = "no plug-in property list";
    return std::nullopt;
}

bool Is(const char (&field)[4], const char* text)
{
    return std::memcmp(field, text, 4) == 0;
}

std::optional<PluginProperties> ParseList(const Bytes& list, std::string& error)
{
    pipl::Header header{};
    if (!ReadAt(list, 0, header) || header.version != pipl::kListVersion || header.count < 0) {
        error = "bad property list header";
        return std::nullopt;
    }
    PluginProperties properties;
    std::size_t offset = sizeof(header);
    for (int i = 0; i < header.count; ++i) {
        pipl::PropertyHead head{};
        if (!ReadAt(list, offset, head) || head.length < 0 ||
            list.size() - offset - sizeof(head) < static_cast<std::size_t>(head.length)) {
            error = "truncated property";
            return std::nullopt;
        }
        const char* data = list.data() + offset + sizeof(head);
        if (Is(head.vendor, "ADBE")) {
            if (Is(head.key, "kind") && head.length == 4)
                properties.kind.assign(data, 4);
            else if (Is(head.key, "ivrs") && head.length == 4)
                std::memcpy(&properties.interfaceVersion, data, 4);
            else if (Is(head.key, "wx86"))
                properties.entryPoint.assign(data, strnlen(data, static_cast<std::size_t>(head.length)));
        }
        offset += sizeof(head) + static_cast<std::size_t>(pipl::PaddedLength(head.length));
    }
    if (properties.kind != "SPEA" || properties.interfaceVersion != pipl::kInterfaceVersion ||
        properties.entryPoint.empty()) {
        error = "property list lacks kind SPEA, interface version 2 or an entry point";
        return std::nullopt;
    }
    return properties;
}

}  // namespace

std::optional<PluginProperties> ReadPluginProperties(const std::string& path, std::string& error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot open " + path;
        return std::nullopt;
    }
    const std::optional<Bytes> list = ElfSection(in, pipl::kSectionName, error);
    return list ? ParseList(*list, error) : std::nullopt;
}

}  // namespace hostsim
