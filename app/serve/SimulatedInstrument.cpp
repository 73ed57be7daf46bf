#include "serve/SimulatedInstrument.h"

#include <algorithm>
#include <chrono>

#include "host/RunDocuments.h"

void CSimulatedInstrument::vStart(std::vector<CMeasureStep> steps, double dPointsPerSecond,
                                  StepDone done) {
    vStop();
    m_vSteps = std::move(steps);
    m_fnDone = std::move(done);
    m_bStop = false;
    m_bTakenIn = true;
    m_bPaused = false;
    m_bRunning = true;
    m_Thread = std::thread([this, dPointsPerSecond] { vMeasure(dPointsPerSecond); });
}

void CSimulatedInstrument::vPause() {
    m_bPaused = true;
}

void CSimulatedInstrument::vResume() {
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        m_bPaused = false;
    }
    m_Changed.notify_all();
}

void CSimulatedInstrument::vStop() {
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        m_bStop = true;
    }
    m_Changed.notify_all();
    if (m_Thread.joinable()) {
        m_Thread.join();
    }
    m_bRunning = false;
}

void CSimulatedInstrument::vTakenIn() {
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        m_bTakenIn = true;
    }
    m_Changed.notify_all();
}

bool CSimulatedInstrument::bWaitForHost() {
    std::unique_lock<std::mutex> lock(m_Mutex);
    m_Changed.wait(lock, [this] { return m_bStop || (m_bTakenIn && !m_bPaused); });
    return !m_bStop;
}

void CSimulatedInstrument::vMeasure(double dPointsPerSecond) {
    using Clock = std::chrono::steady_clock;
    const auto interval = std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double>(1.0 / dPointsPerSecond));
    auto next = Clock::now();
    for (size_t i = 0; i < m_vSteps.size(); ++i) {
        if (!bWaitForHost()) {
            break;
        }
        // After a pause, or a host slower than the rate, the next point follows at the rate from
        // now instead of in a burst.
        next = std::max(next, Clock::now());
        const CMeasureStep& step = m_vSteps[i];
        if (step.m_pDoc != nullptr) {
            // The sample takes its time in the cell; a stop does not wait for it.
            std::unique_lock<std::mutex> lock(m_Mutex);
            next += interval;
            if (m_Changed.wait_until(lock, next, [this] { return m_bStop; })) {
                break;
            }
            lock.unlock();
            vFeedRunPoint(*step.m_pDoc, *step.m_pPoint, step.m_iPoint);
        }
        {
            std::lock_guard<std::mutex> lock(m_Mutex);
            m_bTakenIn = false;
        }
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        m_fnDone(i, std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
    }
    m_bRunning = false;
}
