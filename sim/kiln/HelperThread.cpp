#include "sim/kiln/HelperThread.h"

#include <system_error>

namespace kiln {

HelperThread::~HelperThread()
{
    if (!m_thread.joinable())
        return;
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

void HelperThread::Run(int count, const Work& work)
{
    if (count < 2 || !Started()) {
        for (int part = 0; part < count; ++part)
            work(part, 0);
        return;
    }
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_work = &work;
        m_next = 0;
        m_count = count;
        m_failure = nullptr;
    }
    m_wake.notify_one();
    {
        // Closed however this thread leaves: the helper may hold a part of `work`.
        struct Closing
        {
            ~Closing() { helper.Close(); }
            HelperThread& helper;
        } closing{*this};
        for (int part = Take(); part >= 0; part = Take())
            work(part, 0);
    }
    const std::lock_guard<std::mutex> lock(m_mutex);
    if (m_failure)
        std::rethrow_exception(m_failure);
}

bool HelperThread::Started()
{
    if (!m_tried) {
        m_tried = true;
        try {
            m_thread = std::thread(&HelperThread::Serve, this);
        } catch (const std::system_error&) {
            // No thread to be had: the caller does every part.
        }
    }
    return m_thread.joinable();
}

int HelperThread::Take()
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_next < m_count ? m_next++ : -1;
}

void HelperThread::Close()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_work = nullptr;
    m_done.wait(lock, [this] { return !m_busy; });
}

void HelperThread::Serve()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stop || (m_work != nullptr && m_next < m_count); });
        if (m_stop)
            return;
        const int part = m_next++;
        const Work& work = *m_work;
        m_busy = true;
        lock.unlock();
        try {
            work(part, 1);
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
