#include "serve/UiThread.h"

CUiThread::CUiThread() : m_Thread([this] { vRun(); }) {}

CUiThread::~CUiThread() {
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        m_bEnding = true;
    }
    m_Wake.notify_all();
    m_Thread.join();
}

bool CUiThread::bPost(std::function<void()> work) {
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        if (m_bEnding) {
            return false;
        }
        m_Queue.push_back(std::move(work));
    }
    m_Wake.notify_one();
    return true;
}

void CUiThread::vRun() {
    for (;;) {
        std::function<void()> work;
        {
            std::unique_lock<std::mutex> lock(m_Mutex);
            m_Wake.wait(lock, [this] { return m_bEnding || !m_Queue.empty(); });
            if (m_Queue.empty()) {
                return;
            }
            work = std::move(m_Queue.front());
            m_Queue.pop_front();
        }
        work();
    }
}
