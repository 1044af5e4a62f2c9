#pragma once

#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

namespace kiln {

// A second thread that renders strips of a rendering alongside the caller's. It waits between
// renderings, so that none pays for starting a thread, and it takes a strip only while strips
// are left: a caller that finds the helper slow to wake renders every strip itself and waits
// only for a strip the helper has taken. Made and used by one thread; joined when destroyed.
class StripHelper
{
public:
    // `strip` is the strip to render, `worker` 0 on the caller's thread and 1 on the helper's.
    using Work = std::function<void(int strip, int worker)>;

    // Throws std::system_error when no thread can be started.
    StripHelper();
    ~StripHelper();
    StripHelper(const StripHelper&) = delete;
    StripHelper& operator=(const StripHelper&) = delete;

    // Runs `work` once for each strip 0 .. count - 1 on this thread and the helper's, and returns
    // when every strip is done; what `work` throws on either thread is thrown here.
    void Run(int count, const Work& work);

private:
    // The helper's thread: takes strips while a rendering has some left.
    void Serve();
    // The next strip for the caller, or -1 when none is left.
    int Take();
    // Lets the helper take no more strips and waits for the one it holds.
    void Close();

    std::mutex m_mutex;
    std::condition_variable m_wake;  // the helper waits here for strips or the end
    std::condition_variable m_done;  // the caller waits here for the helper's strip
    const Work* m_work = nullptr;    // the rendering under way, if any
    int m_next = 0;
    int m_count = 0;
    bool m_busy = false;  // the helper holds a strip
    bool m_stop = false;
    std::exception_ptr m_failure;  // what the helper's strip threw
    std::thread m_thread;          // last: it starts once the members above are made
};

}  // namespace kiln
