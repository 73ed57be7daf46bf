#pragma once
// Spectrum files of peak and derivative analyses: one point a line, "wavelength,absorbance", in
// either wavelength order; a first line that is not a number pair is taken as a header. The points
// must be equally spaced, as a scan is.
#include <filesystem>
#include <string>

#include "host/RunError.h"
#include "host/RunFile.h"

// Reads the spectrum at path; sName names the file in messages. Returns it highest wavelength
// first, with the SHA-256 of the bytes it was read from.
bool bReadSpectrumCsv(const std::filesystem::path& path, const std::string& sName,
                      CSpectrum& spectrum, std::string& sha256, CRunError& error);
