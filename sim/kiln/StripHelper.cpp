#include "sim/kiln/StripHelper.h"

namespace kiln {

StripHelper::StripHelper() : m_thread(&StripHelper::Serve, this) {}

StripHelper::~StripHelper()
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

void StripHelper::Run(int count, const Work& work)
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_work = &work;
        m_next = 0;
        m_count = count;
        m_failure = nullptr;
    }
    m_wake.notify_one();
    {
        // Closed however this thread leaves: the helper may hold a strip of `work`.
        struct Closing
        {
            ~Closing() { helper.Close(); }
            StripHelper& helper;
        } closing{*this};
        for (int strip = Take(); strip >= 0; strip = Take())
            work(strip, 0);
    }
    const std::lock_guard<std::mutex> lock(m_mutex);
    if (m_failure)
        std::rethrow_exception(m_failure);
}

int StripHelper::Take()
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_next < m_count ? m_next++ : -1;
}

void StripHelper::Close()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_work = nullptr;
    m_done.wait(lock, [this] { return !m_busy; });
}

void StripHelper::Serve()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stop || (m_work != nullptr && m_next < m_count); });
        if (m_stop)
            return;
        const int strip = m_next++;
        const Work& work = *m_work;
        m_busy = true;
        lock.unlock();
        try {
            work(strip, 1);
        } catch (...) {
            lock.lock();
            m_failure = std::current_exception();
            m_next = m_count;  // the caller stops too
            lock.unlock();
        }
        lock.lock();
        m_busy = false;
        m_done.notify_one();
    }
}

}  // namespace kiln
