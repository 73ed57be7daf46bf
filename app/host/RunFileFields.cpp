#include "host/RunFileFields.h"

#include <algorithm>

const std::vector<CFieldSet>& RunFileFieldSets() {
    static const std::vector<CFieldSet> sets = {
        {"",
         {"title", "operator", "reading_unit", "method", "instrument", "standards", "unknowns",
          "validation"}},
        {"/method",
         {"quantitation",
          "wavelengths",
          "replicates",
          "calibration",
          "force_through_zero",
          "direction",
          "weighting",
          "calibration_statistics",
          "limits",
          "unit",
          "decimals",
          "statistics",
          "statistics_group",
          "result",
          "k_factors",
          "operand",
          "manual_calibration",
          "path_length",
          "path_length_correction",
          "peak",
          "derivative",
          "stage"}},
        {"/method/limits", {"lower", "upper"}},
        {"/method/calibration_statistics", {"confidence", "alpha", "k", "remove_outliers"}},
        {"/method/manual_calibration", {"order", "coefficients"}},
        {"/method/peak", {"apex", "range", "threshold", "sensitivity", "integration"}},
        {"/method/derivative", {"wavelength", "order", "smoothing_order", "points"}},
        {"/method/stage", {"positions", "statistics"}},
        {"/instrument",
         {"family", "data_mode", "delay", "slit", "slit_width", "scan_speed",
          "lamp_change_wavelength", "baseline", "response", "d2_lamp", "wi_lamp", "auto_zero",
          "auto_zero_wavelength", "wavelength_decimals", "photometric_decimals"}},
        {"/standards/*", {"name", "concentration", "readings"}},
        {"/standards/*/readings/*", {"manual"}},
        {"/unknowns/*",
         {"name", "blank", "sample_number", "weight", "solvent", "dilution", "revision",
          "readings"}},
        {"/validation", {"kind", "tolerance", "rated"}},
    };
    return sets;
}

const std::vector<std::string>& RunFileFields(const std::string& place) {
    static const std::vector<std::string> none;
    const auto& sets = RunFileFieldSets();
    const auto found = std::find_if(sets.begin(), sets.end(),
                                    [&](const CFieldSet& set) { return set.m_sPlace == place; });
    return found == sets.end() ? none : found->m_vsFields;
}
