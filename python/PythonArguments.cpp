#include "PythonArguments.h"

#include <cmath>
#include <stdexcept>

#include "photoquant.h"

namespace photoquant::python {

namespace {

using CDoubleArray = py::array_t<double, py::array::c_style | py::array::forcecast>;

// Most wavelengths a point's photometric value takes (three: a baseline-corrected reading).
constexpr int kMaxReadingWaves = 3;
// Most readings a document stores: its raw array stays within the documents' ceiling.
constexpr long long kMaxReadings =
    photoquant::kMaxArrayBytes / static_cast<long long>(sizeof(double));

std::string sShape(const CDoubleArray& array) {
    std::string text = "(";
    for (py::ssize_t d = 0; d < array.ndim(); ++d) {
        text += (d > 0 ? ", " : "") + std::to_string(array.shape(d));
    }
    return text + (array.ndim() == 1 ? ",)" : ")");
}

CDoubleArray DoubleArray(const py::object& value, const char* name) {
    CDoubleArray array = CDoubleArray::ensure(value);
    if (!array) {
        vRefuse(name, "expected an array of numbers");
    }
    return array;
}

// A count of an array's dimension as the documents count: an int, refused beyond their ceiling.
int iCount(py::ssize_t extent, const char* name, const char* what) {
    if (extent < 1) {
        vRefuse(name, std::string("no ") + what + ": the array is empty");
    }
    if (extent > kMaxReadings) {
        vRefuse(name, std::string("too many ") + what + ": " + std::to_string(extent));
    }
    return static_cast<int>(extent);
}

std::string sPointName(int s, int r) {
    return "the point of sample " + std::to_string(s) + ", replicate " + std::to_string(r);
}

void vCheckPoint(const double* pdReadings, int iWaves, int s, int r, const char* name,
                 int iReadingUnit) {
    int iMissing = 0;
    for (int k = 0; k < iWaves; ++k) {
        const double reading = pdReadings[k];
        if (std::isnan(reading)) {
            ++iMissing;
        } else if (std::isinf(reading)) {
            vRefuse(name, sPointName(s, r) + " holds an infinite reading");
        } else if (iReadingUnit == kTransmittanceMode && reading < 0.0) {
            vRefuse(name, sPointName(s, r) + " holds a negative transmittance, " +
                              sGeneral(reading, 6) + " %T");
        }
    }
    if (iMissing > 0 && iMissing < iWaves) {
        vRefuse(name, sPointName(s, r) +
                          " is read at some wavelengths and NaN at others: a point is measured "
                          "at every wavelength or skipped (NaN throughout)");
    }
}

}  // namespace

void vRefuse(const char* name, const std::string& problem) {
    throw std::invalid_argument(std::string(name) + ": " + problem);
}

CReadingBlock ReadingBlock(const py::object& value, const char* name, int iReadingUnit) {
    if (value.is_none()) {
        vRefuse(name, "expected readings of samples x replicates (x wavelengths), found None");
    }
    const CDoubleArray array = DoubleArray(value, name);
    if (array.ndim() != 2 && array.ndim() != 3) {
        vRefuse(name,
                "expected samples x replicates or samples x replicates x wavelengths, "
                "found shape " +
                    sShape(array));
    }
    CReadingBlock block;
    block.iSamples = iCount(array.shape(0), name, "samples");
    block.iReplicates = iCount(array.shape(1), name, "replicates");
    block.iWaves = array.ndim() == 3 ? iCount(array.shape(2), name, "wavelengths") : 1;
    if (block.iWaves > kMaxReadingWaves) {
        vRefuse(name, "a point takes 1 to 3 wavelengths, found " + std::to_string(block.iWaves));
    }
    const long long readings =
        static_cast<long long>(block.iSamples) * block.iReplicates * block.iWaves;
    if (readings > kMaxReadings) {
        vRefuse(name, "too many readings for a document: " + std::to_string(readings));
    }
    block.vdValues.assign(array.data(), array.data() + array.size());
    for (int s = 0; s < block.iSamples; ++s) {
        for (int r = 0; r < block.iReplicates; ++r) {
            vCheckPoint(block.pdPoint(s, r), block.iWaves, s, r, name, iReadingUnit);
        }
    }
    return block;
}

std::vector<double> Numbers(const py::object& value, const char* name) {
    const CDoubleArray array = DoubleArray(value, name);
    if (array.ndim() != 1) {
        vRefuse(name, "expected a 1-D array, found shape " + sShape(array));
    }
    iCount(array.shape(0), name, "values");
    std::vector<double> numbers(array.data(), array.data() + array.size());
    for (size_t i = 0; i < numbers.size(); ++i) {
        if (!std::isfinite(numbers[i])) {
            vRefuse(name, "entry " + std::to_string(i) + " is " + sGeneral(numbers[i], 6) +
                              ", not a finite number");
        }
    }
    return numbers;
}

std::vector<double> PerSample(const py::object& value, const char* name, int iSamples,
                              double dDefault, bool bPositive) {
    if (value.is_none()) {
        return std::vector<double>(static_cast<size_t>(iSamples), dDefault);
    }
    std::vector<double> numbers = Numbers(value, name);
    if (numbers.size() != static_cast<size_t>(iSamples)) {
        vRefuse(name, "expected one value per sample (" + std::to_string(iSamples) + "), found " +
                          std::to_string(numbers.size()));
    }
    for (size_t i = 0; bPositive && i < numbers.size(); ++i) {
        if (numbers[i] <= 0.0) {
            vRefuse(name, "entry " + std::to_string(i) + " is " + sGeneral(numbers[i], 6) +
                              ", and must be above 0");
        }
    }
    return numbers;
}

std::vector<bool> SampleFlags(const py::object& value, const char* name, int iSamples) {
    std::vector<bool> flags(static_cast<size_t>(iSamples), false);
    if (value.is_none()) {
        return flags;
    }
    const std::vector<double> numbers = PerSample(value, name, iSamples, 0.0, false);
    for (size_t i = 0; i < numbers.size(); ++i) {
        if (numbers[i] != 0.0 && numbers[i] != 1.0) {
            vRefuse(name, "entry " + std::to_string(i) + " is " + sGeneral(numbers[i], 6) +
                              ", expected True or False");
        }
        flags[i] = numbers[i] != 0.0;
    }
    return flags;
}

std::vector<std::string> SampleNames(const py::object& value, const char* name, int iSamples) {
    if (value.is_none()) {
        return std::vector<std::string>(static_cast<size_t>(iSamples));
    }
    if (py::isinstance<py::str>(value) || !py::isinstance<py::sequence>(value)) {
        vRefuse(name, "expected a sequence of one text per sample");
    }
    const auto sequence = value.cast<py::sequence>();
    if (sequence.size() != static_cast<size_t>(iSamples)) {
        vRefuse(name, "expected one name per sample (" + std::to_string(iSamples) + "), found " +
                          std::to_string(sequence.size()));
    }
    std::vector<std::string> names;
    for (const auto& item : sequence) {
        if (!py::isinstance<py::str>(item)) {
            vRefuse(name, "entry " + std::to_string(names.size()) + " is not a text");
        }
        names.push_back(item.cast<std::string>());
    }
    return names;
}

int iChoice(const std::string& word, const char* name, const std::vector<std::string>& words) {
    for (size_t i = 0; i < words.size(); ++i) {
        if (words[i] == word) {
            return static_cast<int>(i);
        }
    }
    std::string allowed;
    for (const std::string& w : words) {
        allowed += (allowed.empty() ? "\"" : ", \"") + w + "\"";
    }
    vRefuse(name, "\"" + word + "\" is none of " + allowed);
}

double dFraction(double value, const char* name) {
    if (!(value > 0.0 && value < 1.0)) {
        vRefuse(name, "expected a probability between 0 and 1 (both excluded), found " +
                          sGeneral(value, 6));
    }
    return value;
}

double dPositive(double value, const char* name) {
    if (!(value > 0.0) || std::isinf(value)) {
        vRefuse(name, "expected a finite number above 0, found " + sGeneral(value, 6));
    }
    return value;
}

}  // namespace photoquant::python
