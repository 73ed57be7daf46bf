#pragma once
// The words a run file names its coded settings with, in code order: the index of a word is the
// setting's code. The run-file reader and the Python module both take settings by these words.
#include <string>
#include <vector>

extern const std::vector<std::string> kQuantNames;
extern const std::vector<std::string> kCalibNames;
extern const std::vector<std::string> kDirectionNames;
// In the order of the weighting codes (kWeightNone to kWeightInverseVariance).
extern const std::vector<std::string> kWeightingNames;
extern const std::vector<std::string> kResultNames;
// In the order of the data modes kTransmittanceMode and kAbsorbanceMode.
extern const std::vector<std::string> kReadingUnitNames;
