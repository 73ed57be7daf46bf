#include "contracts/framework/WinApp.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

IMPLEMENT_DYNAMIC(CWinApp, CCmdTarget)

namespace {

std::string sTrimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// A new temporary beside the profile under a name nobody can foresee: O_EXCL and O_NOFOLLOW refuse
// whatever is already at the name, a link planted there included, so the write never lands in
// another file.
int iCreateTemporary(const std::string& sBeside, std::string& name) {
    static std::mt19937_64 s_random{std::random_device{}()};
    for (int attempt = 0; attempt < 16; ++attempt) {
        name = sBeside + ".tmp-" + std::to_string(s_random());
        const int fd =
            ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

bool bWriteAll(int fd, const std::string& content) {
    for (size_t done = 0; done < content.size();) {
        const ssize_t written = ::write(fd, content.data() + done, content.size() - done);
        if (written < 0 && errno != EINTR) {
            return false;
        }
        done += written > 0 ? static_cast<size_t>(written) : 0;
    }
    return true;
}

// The file at sPath replaced by content as a whole: written to a temporary beside it, flushed to
// the disk and renamed over it, so a failed write never leaves half a profile. The rename
// replaces a link at sPath itself rather than writing through it.
bool bReplaceWhole(const std::string& sPath, const std::string& content) {
    std::string temporary;
    const int fd = iCreateTemporary(sPath, temporary);
    if (fd < 0) {
        return false;
    }
    const bool bWritten = bWriteAll(fd, content) && ::fsync(fd) == 0;
    const bool bClosed = ::close(fd) == 0;
    if (!bWritten || !bClosed || std::rename(temporary.c_str(), sPath.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace

int CWinApp::GetProfileInt(const std::string& section, const std::string& entry,
                           int nDefault) const {
    const std::string text = GetProfileString(section, entry, std::to_string(nDefault));
    // As the desktop profile does: the leading digits count, a text without digits reads as 0.
    return static_cast<int>(std::strtol(text.c_str(), nullptr, 10));
}

std::string CWinApp::GetProfileString(const std::string& section, const std::string& entry,
                                      const std::string& sDefault) const {
    std::lock_guard<std::mutex> guard(m_lock);
    const auto sectionIt = m_profile.find(section);
    if (sectionIt == m_profile.end()) {
        return sDefault;
    }
    const auto entryIt = sectionIt->second.find(entry);
    return entryIt == sectionIt->second.end() ? sDefault : entryIt->second;
}

BOOL CWinApp::WriteProfileInt(const std::string& section, const std::string& entry, int nValue) {
    std::lock_guard<std::mutex> guard(m_lock);
    m_profile[section][entry] = std::to_string(nValue);
    return bSaveFile() ? TRUE : FALSE;
}

BOOL CWinApp::SetProfileFile(const std::string& path) {
    std::lock_guard<std::mutex> guard(m_lock);
    m_sProfileFile = path;
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        return TRUE;  // made at the first write
    }
    std::ifstream in(path);
    if (!in) {
        return FALSE;
    }
    std::string line;
    std::string section;
    while (std::getline(in, line)) {
        line = sTrimmed(line);
        if (line.empty() || line[0] == ';') {
            continue;
        }
        if (line.front() == '[' && line.back() == ']') {
            section = line.substr(1, line.size() - 2);
            continue;
        }
        const auto eq = line.find('=');
        if (eq != std::string::npos) {
            m_profile[section][sTrimmed(line.substr(0, eq))] = sTrimmed(line.substr(eq + 1));
        }
    }
    return TRUE;
}

bool CWinApp::bSaveFile() const {
    if (m_sProfileFile.empty()) {
        return true;
    }
    std::ostringstream text;
    for (const auto& [section, entries] : m_profile) {
        text << '[' << section << "]\n";
        for (const auto& [entry, value] : entries) {
            text << entry << '=' << value << '\n';
        }
    }
    return bReplaceWhole(m_sProfileFile, text.str());
}

CWinApp* AfxGetApp() {
    static CWinApp app;
    return &app;
}
