#pragma once
// The one user-interface thread of the web front end. Documents, views and pages belong to it: the
// server's threads and the simulated instrument never touch them, they queue work here, as a
// window system queues messages to the thread that owns the windows. The instrument calls only the
// documents' intake, which takes the documents' lock for its whole length.
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <mutex>
#include <optional>
#include <thread>
#include <type_traits>

class CUiThread {
public:
    CUiThread();
    // Runs what is queued, then ends the thread.
    ~CUiThread();
    CUiThread(const CUiThread&) = delete;
    CUiThread& operator=(const CUiThread&) = delete;

    // Queues work; false once the thread is ending.
    bool bPost(std::function<void()> work);

    // Queues work and waits for its result, at most timeout: a request is answered, never left
    // hanging on a busy thread. Empty when the time ran out or the thread is ending.
    template <class F>
    auto Call(F work, std::chrono::milliseconds timeout) -> std::optional<std::invoke_result_t<F>> {
        using R = std::invoke_result_t<F>;
        auto pTask = std::make_shared<std::packaged_task<R()>>(std::move(work));
        std::future<R> result = pTask->get_future();
        if (!bPost([pTask] { (*pTask)(); }) ||
            result.wait_for(timeout) != std::future_status::ready) {
            return std::nullopt;
        }
        return result.get();
    }

    bool bIsUiThread() const { return std::this_thread::get_id() == m_Thread.get_id(); }

private:
    void vRun();

    std::mutex m_Mutex;
    std::condition_variable m_Wake;
    std::deque<std::function<void()>> m_Queue;
    bool m_bEnding = false;
    std::thread m_Thread;
};
