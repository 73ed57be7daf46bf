#pragma once
// The checks every array and setting from Python passes before it reaches a document. Arrays are
// taken as numpy takes them (lists, tuples, arrays of any numeric type) and copied once into the
// form the run holds; nothing of Python's is kept. A failed check throws std::invalid_argument,
// which pybind11 raises in Python as ValueError; the message begins with the argument's name, so
// that "readings: ..." says which argument is wrong and how.
#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <string>
#include <vector>

namespace photoquant::python {

namespace py = pybind11;

// Readings of samples × replicates × wavelengths in C order, a 2-D array being one wavelength;
// NaN marks a reading not taken.
struct CReadingBlock {
    int iSamples = 0;
    int iReplicates = 0;
    int iWaves = 0;
    std::vector<double> vdValues;

    const double* pdPoint(int iSample, int iReplicate) const {
        return vdValues.data() + (static_cast<size_t>(iSample) * static_cast<size_t>(iReplicates) +
                                  static_cast<size_t>(iReplicate)) *
                                     static_cast<size_t>(iWaves);
    }
};

[[noreturn]] void vRefuse(const char* name, const std::string& problem);

// The readings of a document: 1 to 3 wavelengths, a point either read at every wavelength or not
// at all (NaN throughout), no infinity, and in %T none below 0.
CReadingBlock ReadingBlock(const py::object& value, const char* name, int iReadingUnit);
// One finite number per sample; none given (None) gives dDefault for each. With bPositive every
// number is above 0 (a weight, a solvent volume, a dilution factor, a revision coefficient).
std::vector<double> PerSample(const py::object& value, const char* name, int iSamples,
                              double dDefault, bool bPositive);
// The finite numbers of a 1-D array, at least one.
std::vector<double> Numbers(const py::object& value, const char* name);
// One flag per sample, false for each when none are given.
std::vector<bool> SampleFlags(const py::object& value, const char* name, int iSamples);
// One text per sample, empty texts when none are given.
std::vector<std::string> SampleNames(const py::object& value, const char* name, int iSamples);
// The code of a setting given by its word (the run file's words), refused with the words allowed.
int iChoice(const std::string& word, const char* name, const std::vector<std::string>& words);
// A probability strictly between 0 and 1.
double dFraction(double value, const char* name);
// A finite number above 0.
double dPositive(double value, const char* name);

}  // namespace photoquant::python
