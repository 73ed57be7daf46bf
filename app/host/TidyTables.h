#pragma once
// Tables for machines, one value per cell: a row per measured point and a row per sample or
// standard, numbers in full round-trip precision (the shortest text that reads back to the same
// double), units in the header row, an empty cell for a value that does not exist.
#include <vector>

#include "host/QuantitationRun.h"
#include "host/Report.h"
#include "host/SampleOutcome.h"

// calibration and calibration-statistics (when there are standards, and a polynomial curve for the
// statistics), standard-points (with the diagnostics of each point), standards, unknown-points,
// samples (with the intervals of the results), and groups (when the statistics pool several
// samples).
std::vector<CNamedList> TidyTables(const CQuantitationRun& run, const CUnknownOutcomes& outcomes);
