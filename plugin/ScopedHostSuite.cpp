#include "plugin/ScopedHostSuite.h"

#include "plugin/suites/SPBasicSuite.h"

ScopedKnownSuite::ScopedKnownSuite(const SPBasicSuite* basic, std::size_t index)
    : m_basic(basic), m_index(index)
{
    const void*& pointer = KnownSuitePointer(m_index);
    if (pointer != nullptr)
        return;
    if (m_basic == nullptr) {
        m_error = kSuiteNotFoundErr;
        return;
    }
    const KnownSuite& entry = kKnownSuiteTable[m_index];
    m_error = m_basic->AcquireSuite(entry.name, entry.version, &pointer);
    m_acquired = m_error == kNoErr;
    if (!m_acquired)
        pointer = nullptr;
}

ScopedKnownSuite::~ScopedKnownSuite()
{
    if (!m_acquired)
        return;
    const KnownSuite& entry = kKnownSuiteTable[m_index];
    m_basic->ReleaseSuite(entry.name, entry.version);
    KnownSuitePointer(m_index) = nullptr;
}
