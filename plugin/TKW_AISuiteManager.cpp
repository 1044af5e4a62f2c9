#include "plugin/TKW_AISuiteManager.h"

#include "plugin/HostSuites.h"
#include "plugin/suites/SPBasicSuite.h"

TKW_AISuiteManager& TKW_AISuiteManager::Instance()
{
    static TKW_AISuiteManager manager;
    return manager;
}

TKW_AISuiteManager::TKW_AISuiteManager()
{
    for (std::size_t i = 0; i < kKnownSuiteCount; ++i)
        KnownSuitePointer(i) = nullptr;
}

void TKW_AISuiteManager::SetBasicSuite(const SPBasicSuite* basic)
{
    m_basicSuite = basic;
    SetHostBasicSuite(basic);
}

ASErr TKW_AISuiteManager::AddSuite(const char* name, ASInt32 version)
{
    if (name == nullptr)
        return 1;
    const std::size_t index = FindKnownSuite(name, version);
    if (index == kKnownSuiteCount)
        return 1;
    const bool acquireNow = !m_wanted[index] && m_nestingCount >= 1;
    m_wanted[index] = true;
    return acquireNow ? Acquire(index) : kNoErr;
}

ASErr TKW_AISuiteManager::AcquireAll()
{
    ASErr result = kNoErr;
    if (m_nestingCount == 0) {
        for (std::size_t i = 0; i < kKnownSuiteCount && result == kNoErr; ++i) {
            if (m_wanted[i])
                result = Acquire(i);
        }
    }
    ++m_nestingCount;
    return result;
}

ASErr TKW_AISuiteManager::ReleaseAll()
{
    if (m_nestingCount != 1) {
        --m_nestingCount;
        return kNoErr;
    }
    ASErr result = kNoErr;
    for (std::size_t i = 0; i < kKnownSuiteCount; ++i) {
        const void*& pointer = KnownSuitePointer(i);
        if (m_wanted[i] && pointer != nullptr && m_basicSuite != nullptr)
            result = m_basicSuite->ReleaseSuite(kKnownSuiteTable[i].name, kKnownSuiteTable[i].version);
        pointer = nullptr;
    }
    --m_nestingCount;
    return result;
}

ASErr TKW_AISuiteManager::Acquire(std::size_t index) const
{
    const void*& pointer = KnownSuitePointer(index);
    if (m_basicSuite == nullptr)
        return kSuiteNotFoundErr;
    const ASErr error =
        m_basicSuite->AcquireSuite(kKnownSuiteTable[index].name, kKnownSuiteTable[index].version, &pointer);
    if (error != kNoErr)
        pointer = nullptr;
    return error;
}
