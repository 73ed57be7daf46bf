#pragma once
// How a host readies the two documents of a run and hands them a point, shared by the batch run
// and by the live measurement of the web front end, so both measure alike:
//   sizing      vSetEmpty from the method; a point of a spectra analysis holds the whole spectrum;
//   standards   names, concentrations and the calibration settings, before any reading;
//   unknowns    names, sample numbers, amount corrections, result type, K-factors and the manual
//               calibration, after the standards' calibration (whose blank they take);
//   a point     the intake an instrument uses: readings, a spectrum, a skip, or a value typed in
//               after the skip;
//   validation  the accuracy check's result, once the unknowns are measured.
#include <memory>

#include "host/RunFile.h"

// The run's two documents, dimensioned by the method: a sample of the run file a document sample.
std::unique_ptr<CUVStandardData> pNewRunStandards(const CRunFile& run);
std::unique_ptr<CUVUnknownData> pNewRunUnknowns(const CRunFile& run);
// Readings per point of a spectra analysis: the longest spectrum of the run (0 without spectra).
int iRunSpectrumPoints(const CRunFile& run);
void vSizeRunDocument(CUVPhotometryData& doc, const CRunFile& run, int iNumSamp);
void vSetUpRunStandards(CUVStandardData& standards, const CRunFile& run);
// bStandardsCurve: the concentrations come from the standards' calibration, whose reading at
// concentration zero is dStandardsBlank.
void vSetUpRunUnknowns(CUVUnknownData& unknowns, const CRunFile& run, bool bStandardsCurve,
                       double dStandardsBlank);
void vFeedRunPoint(CUVPhotometryData& doc, const CPointEntry& point, int iPoint);
// The run's photometric accuracy check, when it has one, as the unknowns' validation result (the
// list then shows the validation layout); after the unknowns are measured.
void vAttachRunValidation(CUVUnknownData& unknowns, const CRunFile& run);
