#pragma once
// The application object and its profile. The profile keeps integers by section and entry, in
// memory, or in an INI file once the host names one with SetProfileFile; the file is read then and
// rewritten on every write, so a value survives the process.
#include <map>
#include <mutex>
#include <string>

#include "contracts/framework/CmdTarget.h"
#include "contracts/framework/WinTypes.h"

class PQ_EXPORT CWinApp : public CCmdTarget {
    DECLARE_DYNAMIC(CWinApp)
public:
    CWinApp() = default;

    int GetProfileInt(const std::string& section, const std::string& entry, int nDefault) const;
    // The entry's text as the profile holds it, or the default when there is none.
    std::string GetProfileString(const std::string& section, const std::string& entry,
                                 const std::string& sDefault = "") const;
    BOOL WriteProfileInt(const std::string& section, const std::string& entry, int nValue);
    // Returns FALSE when an existing file cannot be read; the profile then stays in memory.
    BOOL SetProfileFile(const std::string& path);
    const std::string& GetProfileFile() const { return m_sProfileFile; }

private:
    bool bSaveFile() const;

    mutable std::mutex m_lock;
    std::string m_sProfileFile;
    std::map<std::string, std::map<std::string, std::string>> m_profile;
};

PQ_EXPORT CWinApp* AfxGetApp();
