#include "sim/host/PiplReader.h"

#include "plugin/suites/PiPL.h"

#include <elf.h>

#include <cstring>
#include <fstream>
#include <iterator>
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

// The bytes of the named section of a 64-bit ELF file, or nothing.
std::optional<Bytes> ElfSection(const Bytes& file, const char* name, std::string& error)
{
    Elf64_Ehdr header{};
    if (!ReadAt(file, 0, header) || std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 ||
        header.e_ident[EI_CLASS] != ELFCLASS64) {
        error = "not a 64-bit ELF file";
        return std::nullopt;
    }
    Elf64_Shdr names{};
    if (!ReadAt(file, header.e_shoff + std::size_t{header.e_shstrndx} * sizeof(Elf64_Shdr), names)) {
        error = "truncated section table";
        return std::nullopt;
    }
    for (std::size_t i = 0; i < header.e_shnum; ++i) {
        Elf64_Shdr section{};
        if (!ReadAt(file, header.e_shoff + i * sizeof(Elf64_Shdr), section))
            break;
        const std::size_t nameOffset = names.sh_offset + section.sh_name;
        if (nameOffset >= file.size())
            continue;
        const std::size_t room = file.size() - nameOffset;
        if (strnlen(file.data() + nameOffset, room) == room || std::strcmp(file.data() + nameOffset, name) != 0)
            continue;
        if (section.sh_offset > file.size() || file.size() - section.sh_offset < section.sh_size) {
            error = "truncated property list";
            return std::nullopt;
        }
        return Bytes(file.begin() + static_cast<std::ptrdiff_t>(section.sh_offset),
                     file.begin() + static_cast<std::ptrdiff_t>(section.sh_offset + section.sh_size));
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
    const Bytes file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::optional<Bytes> list = ElfSection(file, pipl::kSectionName, error);
    return list ? ParseList(*list, error) : std::nullopt;
}

}  // namespace hostsim
