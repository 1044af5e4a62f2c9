#pragma once

#include <cstdint>
#include <iterator>
#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace sim {

// Records handed to plug-ins as opaque handles. A handle is a serial number, never an address,
// and no serial is given out twice in the process: a handle whose record is gone stays unknown
// however the allocator reuses memory, and so does a handle of another table of the same kind
// (a host or an engine that came before). Handles are never dereferenced. One thread.
template <typename Handle, typename Record>
class HandleTable
{
public:
    HandleTable() = default;
    HandleTable(const HandleTable&) = delete;
    HandleTable& operator=(const HandleTable&) = delete;

    // Never null.
    Handle Add(std::unique_ptr<Record> record)
    {
        const std::uintptr_t serial = ++s_lastSerial;
        m_records.emplace(serial, std::move(record));
        return reinterpret_cast<Handle>(serial);
    }

    template <typename... Args>
    Handle Emplace(Args&&... args)
    {
        return Add(std::make_unique<Record>(std::forward<Args>(args)...));
    }

    // Null for a handle this table did not give out or has removed.
    Record* Find(Handle handle) const
    {
        const auto found = m_records.find(SerialOf(handle));
        return found == m_records.end() ? nullptr : found->second.get();
    }

    bool Remove(Handle handle) { return m_records.erase(SerialOf(handle)) == 1; }
    // Removes every record for which `unwanted` (const Record&) answers true.
    template <typename Predicate>
    void RemoveIf(Predicate unwanted)
    {
        for (auto entry = m_records.begin(); entry != m_records.end();)
            entry = unwanted(std::as_const(*entry->second)) ? m_records.erase(entry) : std::next(entry);
    }
    void Clear() { m_records.clear(); }
    std::size_t Size() const { return m_records.size(); }

    // The live handles, oldest first. A copy, so that records may come and go while the caller
    // walks it; look each one up again before use.
    std::vector<Handle> Handles() const
    {
        std::vector<Handle> handles;
        for (const auto& entry : m_records)
            handles.push_back(reinterpret_cast<Handle>(entry.first));
        return handles;
    }

    // The live records, oldest first.
    std::vector<Record*> Records() const
    {
        std::vector<Record*> records;
        for (const auto& entry : m_records)
            records.push_back(entry.second.get());
        return records;
    }

private:
    static std::uintptr_t SerialOf(Handle handle) { return reinterpret_cast<std::uintptr_t>(handle); }

    inline static std::uintptr_t s_lastSerial = 0;
    std::map<std::uintptr_t, std::unique_ptr<Record>> m_records;  // by serial, so oldest first
};

}  // namespace sim
