#pragma once
// Report files are written whole or not at all: each goes to a temporary file beside its target
// and is renamed over the target only when every file of the set has been written completely. A
// failure removes the temporaries, so no report is ever left half-written.
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

using CFileContents = std::vector<std::pair<std::filesystem::path, std::string>>;

// Writes every file of the set, or none; on failure, problem names the file and the cause.
bool bWriteFilesWhole(const CFileContents& files, std::string& problem);
