#pragma once
// Input files (the run file, its spectra, the profile) are only ever read: opened read-only, never
// a folder, a device or a pipe that could block the run, and read whole before they are parsed.
#include <filesystem>
#include <string>

enum class ELinks { kFollow, kRefuse };

// Reads the regular file at path into text. False, with problem ("no such file", "not a regular
// file", "it cannot be opened: ..."), when it cannot. With ELinks::kRefuse a link at the file's own
// name is not followed: the caller has resolved the path and a link there now was put in meanwhile.
bool bReadRegularFile(const std::filesystem::path& path, ELinks links, std::string& text,
                      std::string& problem);
