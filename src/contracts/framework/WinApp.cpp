#include "contracts/framework/WinApp.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
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
    // Written beside the profile and renamed over it, so a failed write never leaves half a file.
    const std::string temp = m_sProfileFile + ".tmp";
    {
        std::ofstream out(temp, std::ios::trunc);
        out << text.str();
        out.flush();
        if (!out) {
            std::remove(temp.c_str());
            return false;
        }
    }
    return std::rename(temp.c_str(), m_sProfileFile.c_str()) == 0;
}

CWinApp* AfxGetApp() {
    static CWinApp app;
    return &app;
}
