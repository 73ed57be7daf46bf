#pragma once
// Running the photoquant program as a user does, and the example run files it ships with.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>

#include "host/QuantitationRun.h"
#include "host/RunFile.h"

struct CProgramResult {
    int m_iExit = -1;
    std::string m_sOut;
    std::string m_sErr;
};

inline std::string sFileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A fresh folder under the system's temporary folder, removed with the object.
class CScratchDir {
public:
    CScratchDir() {
        m_path =
            std::filesystem::temp_directory_path() /
            ("photoquant-test-" + std::to_string(::getpid()) + "-" + std::to_string(++s_iCount));
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~CScratchDir() { std::filesystem::remove_all(m_path); }
    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path Write(const std::string& name, const std::string& text) const {
        std::ofstream(m_path / name, std::ios::binary) << text;
        return m_path / name;
    }
    // Every entry of the folder, for checking that nothing was left behind.
    int iEntryCount() const {
        int count = 0;
        for ([[maybe_unused]] const auto& entry :
             std::filesystem::recursive_directory_iterator(m_path)) {
            ++count;
        }
        return count;
    }

private:
    static inline int s_iCount = 0;
    std::filesystem::path m_path;
};

// Every entry under a folder with what it holds: a file's bytes, a link's target, "<folder>"; links
// are never followed. Two equal snapshots mean that nothing in the folder changed.
inline std::map<std::string, std::string> Snapshot(const std::filesystem::path& folder) {
    std::map<std::string, std::string> entries;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        const auto& path = entry.path();
        entries[path.string()] = entry.is_symlink()     ? "-> " + read_symlink(path).string()
                                 : entry.is_directory() ? std::string("<folder>")
                                                        : sFileText(path);
    }
    return entries;
}

// Runs the program with the arguments (already quoted for the shell).
inline CProgramResult RunProgram(const std::string& arguments) {
    const CScratchDir streams;
    const auto out = streams.Path() / "out";
    const auto err = streams.Path() / "err";
    const std::string command = std::string("'") + PHOTOQUANT_EXE + "' " + arguments + " >'" +
                                out.string() + "' 2>'" + err.string() + "' </dev/null";
    const int status = std::system(command.c_str());
    CProgramResult result;
    result.m_iExit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.m_sOut = sFileText(out);
    result.m_sErr = sFileText(err);
    return result;
}

inline bool bHas(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

inline size_t iOccurrences(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

// The text report with every gap between columns closed to two blanks, so that a line reads the
// same whatever the widths of the other rows.
inline std::string sCompact(const std::string& text) {
    return std::regex_replace(text, std::regex(" {2,}"), "  ");
}

inline std::string sExample(const std::string& name) {
    return std::string(PHOTOQUANT_EXAMPLES) + "/" + name;
}

// A run file read and executed in this process, so that documents and lists can be looked at.
struct CExecutedRun {
    CRunFile m_File;
    std::unique_ptr<CQuantitationRun> m_pRun;
    std::string m_sProblem;

    // An example by its name, or any run file by its path.
    explicit CExecutedRun(const std::string& example) {
        CRunError error;
        const bool bPath = example.find('/') != std::string::npos;
        if (!bReadRunFile(bPath ? example : sExample(example), m_File, error)) {
            m_sProblem = error.sMessage();
            return;
        }
        m_pRun = std::make_unique<CQuantitationRun>(m_File);
        m_pRun->bExecute(m_sProblem);
    }
    bool bOk() const { return m_pRun != nullptr && m_sProblem.empty(); }
    const CQuantitationRun& Run() const { return *m_pRun; }
};
