#pragma once
// A photometer simulated on its own thread: it reads the run file's points one after another at a
// chosen rate and hands each to the document being measured through the intake (iAddValues,
// iAddPeakValues, vSkipData), the only calls an instrument thread may make on a document. After
// each point it tells the host (a callback that queues work to the user-interface thread) and
// waits until the host has taken the point in (concentration, statistics, the row on screen), as
// an instrument driver waits for the host before it reads the next sample.
#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "host/RunFile.h"

// One step of a measurement: a point for a document's intake, or (without a document) a moment at
// which the host works on its own, such as calibrating after the last standard.
struct CMeasureStep {
    CUVPhotometryData* m_pDoc = nullptr;
    const CPointEntry* m_pPoint = nullptr;
    int m_iPoint = 0;
};

class CSimulatedInstrument {
public:
    // Called on the instrument's thread after each step with its index and the time the intake
    // ended (milliseconds of the system clock since 1970); the host answers with vTakenIn once it
    // has dealt with it.
    using StepDone = std::function<void(size_t, long long)>;

    CSimulatedInstrument() = default;
    ~CSimulatedInstrument() { vStop(); }
    CSimulatedInstrument(const CSimulatedInstrument&) = delete;
    CSimulatedInstrument& operator=(const CSimulatedInstrument&) = delete;

    // Starts measuring the steps at dPointsPerSecond; a measurement still running is stopped first.
    void vStart(std::vector<CMeasureStep> steps, double dPointsPerSecond, StepDone done);
    void vPause();
    void vResume();
    // Stops after the point in hand and waits for the thread to end.
    void vStop();
    void vTakenIn();
    bool bRunning() const { return m_bRunning; }
    bool bPaused() const { return m_bPaused; }

private:
    void vMeasure(double dPointsPerSecond);
    // Waits until the host has taken the step in and the measurement is not paused; false when
    // stopped.
    bool bWaitForHost();

    std::vector<CMeasureStep> m_vSteps;
    StepDone m_fnDone;
    std::mutex m_Mutex;
    std::condition_variable m_Changed;
    bool m_bStop = false;
    bool m_bTakenIn = true;
    std::atomic<bool> m_bPaused = false;
    std::atomic<bool> m_bRunning = false;
    std::thread m_Thread;
};
