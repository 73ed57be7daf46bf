#pragma once
// What the user-interface thread has changed on screen, as events for the browser's event stream:
// each event has a sequence number, and a reader waits for events after the last it saw. The feed
// keeps the newest events only; a reader that fell further behind is told to reload everything.
// Shared by the user-interface thread (which publishes) and the server's threads (which read), so
// it holds texts only, never a document.
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

class CChangeFeed {
public:
    // The event a reader gets when the events it missed are gone.
    static constexpr const char* kReloadEvent = R"({"kind":"reload"})";

    // Publishes one event (a JSON object) and wakes the readers.
    void vPublish(std::string json);
    // Events after seq, waiting at most timeout for the first; seq moves to the last one returned.
    std::vector<std::string> Wait(std::uint64_t& seq, std::chrono::milliseconds timeout);
    std::uint64_t iLatest() const;
    // Wakes every reader for good: the server is stopping.
    void vClose();
    bool bClosed() const;

private:
    static constexpr std::size_t kKeptEvents = 4096;

    mutable std::mutex m_Mutex;
    std::condition_variable m_Changed;
    std::deque<std::pair<std::uint64_t, std::string>> m_Events;
    std::uint64_t m_iLatest = 0;
    bool m_bClosed = false;
};
