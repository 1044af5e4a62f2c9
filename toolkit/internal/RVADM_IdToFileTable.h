#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <map>

namespace qRVADM::internal {

// The "IDToFile" text resource: maps picture ids to the names of "png" resources. Each line is
// read as "%d.%16s %128s" (id, a dot, a type word, a name); lines that do not read, lines whose
// type word is "xml" and lines whose name is empty once a trailing ".png" is removed map nothing.
// A line maps its id to the name and id + 4000 to the name followed by "_at_2x"; a later line
// overrides an earlier mapping of the same id. Lines end with CR, LF or CR LF; a NUL byte ends
// its line.
class RVADM_IdToFileTable
{
public:
    RVADM_IdToFileTable() = default;
    explicit RVADM_IdToFileTable(const QByteArray& text);

    // The resource name for `id`, or an empty string.
    QString NameFor(std::int32_t id) const;
    std::size_t Size() const;

private:
    void ReadLine(const char* begin, const char* end);

    std::map<std::int32_t, QString> m_names;
};

} // namespace qRVADM::internal
