#pragma once
// The output files of a run (the CSV lists, the HTML page, whatever a run writes besides the report
// on the terminal) land together or not at all, and nowhere but where the user named them:
//  - before the run computes anything, every location is checked: its folder exists (or, for a
//    folder the user names for the run's lists, can be made), the program may write there, the
//    name is no folder or device, it is none of the run's input files (links resolved), and no two
//    outputs name the same file;
//  - once the run is computed, each file goes to a temporary of its own in its target's folder,
//    created new (never through a link, never over a file that is there) with mode 0644 less the
//    umask, and flushed to the disk; only when every one is written are they renamed over their
//    targets, each rename atomic;
//  - on any failure, the temporaries, the files already renamed (their old versions put back) and
//    every folder the run made are removed again: existing files stay as they were.
// A new kind of output joins a run by being added to its list of output files.
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// One output file: where it goes, and what writes its content once the run has been computed.
struct COutputFile {
    std::filesystem::path m_Path;
    std::function<std::string()> m_Content;
    bool m_bMakeFolder = false;  // its folder is made when missing (the folder of the CSV lists)
};

enum class EOutputCheck {
    kOk,
    kUnusable,  // a location cannot take the file: the run would fail
    kClash,     // an output names an input, or a file another output names: the user's mistake
};

// Checks every location before the run; inputs are the files the run reads (run file, spectra,
// profile). On a fault, problem names the output and what is wrong.
EOutputCheck eCheckOutputs(const std::vector<COutputFile>& outputs,
                           const std::vector<std::filesystem::path>& inputs, std::string& problem);
// Checks a folder that outputs will go into: it exists, or the deepest part of it that exists is a
// folder in which the program may write.
EOutputCheck eCheckOutputFolder(const std::filesystem::path& folder, std::string& problem);
// Writes every file, or none; on failure, problem names the output and the cause.
bool bWriteOutputs(const std::vector<COutputFile>& outputs, std::string& problem);
