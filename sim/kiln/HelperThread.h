#pragma once

#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

namespace kiln {

// A second thread for the engine's heavy work: the strips of a large rendering, the shapes of a
// generation. Work comes in numbered parts that the caller's thread and the helper take in turn.
// The helper starts at the first run of more than one part and then waits between runs, so that
// no run pays for starting a thread; it takes a part only while parts are left, so a caller that
// finds it slow to wake does every part itself and waits only for a part the helper has taken.
// Where no thread can be started the caller does every part. Used by one thread; joined when
// destroyed.
class HelperThread
{
public:
    // `part` is the part to do, `worker` 0 on the caller's thread and 1 on the helper's.
    using Work = std::function<void(int part, int worker)>;

    HelperThread() = default;
    ~HelperThread();
    HelperThread(const HelperThread&) = delete;
    HelperThread& operator=(const HelperThread&) = delete;

    // Runs `work` once for each part 0 .. count - 1 and returns when every part is done; what
    // `work` throws on either thread is thrown here.
    void Run(int count, const Work& work);

private:
    // Whether the helper's thread runs, starting it if it was never tried.
    bool Started();
    // The helper's thread: takes parts while a run has some left.
    void Serve();
    // The next part for the caller, or -1 when none is left.
    int Take();
    // Lets the helper take no more parts and waits for the one it holds.
    void Close();

    std::mutex m_mutex;
    std::condition_variable m_wake;  // the helper waits here for parts or the end
    std::condition_variable m_done;  // the caller waits here for the helper's part
    const Work* m_work = nullptr;    // the run under way, if any
    int m_next = 0;
    int m_count = 0;
    bool m_busy = false;  // the helper holds a part
    bool m_stop = false;
    bool m_tried = false;  // a start was tried
    std::exception_ptr m_failure;  // what the helper's part threw
    std::thread m_thread;          // joined by the destructor
};

}  // namespace kiln
