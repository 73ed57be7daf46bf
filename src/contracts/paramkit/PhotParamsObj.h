#pragma once
// The host's calibration-parameter transfer object: dimensions, per-point data and stage positions
// that a document takes over (vCopyCalibration, vSetCoordArray) or hands back (vGetCoordArray).
// The arrays are the host's; arrays the document hands over become the host's to free (delete[]).

struct CPhotParamsObj {
    int m_iQuantType = 0;
    int m_iNumSamp = 0;
    int m_iNumRep = 0;
    int m_iNumMethodWave = 0;
    int m_iNumRawData = 0;              // total reading count
    double* m_pdConc = nullptr;         // concentrations, one per sample
    int* m_pbMeasured = nullptr;        // measured flags, one per point
    int* m_pbManual = nullptr;          // manual flags, one per point
    double* m_pdManualValue = nullptr;  // manual values, one per point
    double* m_pdRawData = nullptr;      // raw readings
    int m_iNumCoord = 0;                // stage position count
    double* m_pdCoordX = nullptr;
    double* m_pdCoordY = nullptr;
};
