#include "serve/ChangeFeed.h"

void CChangeFeed::vPublish(std::string json) {
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        m_Events.emplace_back(++m_iLatest, std::move(json));
        if (m_Events.size() > kKeptEvents) {
            m_Events.pop_front();
        }
    }
    m_Changed.notify_all();
}

std::vector<std::string> CChangeFeed::Wait(std::uint64_t& seq, std::chrono::milliseconds timeout) {
    std::unique_lock<std::mutex> lock(m_Mutex);
    m_Changed.wait_for(lock, timeout, [&] { return m_bClosed || m_iLatest > seq; });
    std::vector<std::string> events;
    if (m_iLatest <= seq) {
        return events;
    }
    if (m_Events.empty() || m_Events.front().first > seq + 1) {
        events.emplace_back(kReloadEvent);
    } else {
        for (const auto& [number, json] : m_Events) {
            if (number > seq) {
                events.push_back(json);
            }
        }
    }
    seq = m_iLatest;
    return events;
}

std::uint64_t CChangeFeed::iLatest() const {
    std::lock_guard<std::mutex> lock(m_Mutex);
    return m_iLatest;
}

void CChangeFeed::vClose() {
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        m_bClosed = true;
    }
    m_Changed.notify_all();
}

bool CChangeFeed::bClosed() const {
    std::lock_guard<std::mutex> lock(m_Mutex);
    return m_bClosed;
}
