#include "host/RunDocuments.h"

#include <algorithm>
#include <cmath>

using namespace photoquant;

namespace {

// Text of the result of an accuracy check and of each of its readings.
constexpr const char* kPassText = "Pass";
constexpr const char* kFailText = "Fail";

// A difference with its sign always written: "+0.0008", "-0.0012".
std::string sSigned(double value, int decimals) {
    std::string text = sFixed(value, decimals);
    if (value >= 0.0) {
        text.insert(0, 1, '+');
    }
    return text;
}

std::string sPlusMinus(double value, int decimals) {
    std::string text = "\u00b1";
    text += sFixed(value, decimals);
    return text;
}

void vApplySpectrumSettings(CUVPhotometryData& doc, const CAnalysisSettings& settings) {
    doc.vSetPeakApex(settings.m_dPeakApex);
    doc.vSetPeakRange(settings.m_dPeakRange);
    doc.vSetThreshold(settings.m_dThreshold);
    doc.vSetSensitivity(settings.m_iSensitivity);
    doc.vSetIntegMethod(settings.m_iIntegMethod);
    doc.vSetPhotomDiffWL(settings.m_dDerivWL);
    doc.vSetDerivOrder(settings.m_iDerivOrder);
    doc.vSetDerivSmoothOrder(settings.m_iDerivSmoothOrder);
    doc.vSetDerivWindow(settings.m_iDerivWindow);
}

}  // namespace

std::unique_ptr<CUVStandardData> pNewRunStandards(const CRunFile& run) {
    const CMethodQuantParam* pQuant = run.m_Method.pGetQuantParam();
    return std::make_unique<CUVStandardData>(
        pQuant->m_iQuantType, static_cast<int>(run.m_vStandards.size()), pQuant->m_iNumRep,
        pQuant->m_iNumWave, pQuant->m_iNumWave);
}

std::unique_ptr<CUVUnknownData> pNewRunUnknowns(const CRunFile& run) {
    const CMethodQuantParam* pQuant = run.m_Method.pGetQuantParam();
    return std::make_unique<CUVUnknownData>(
        pQuant->m_iQuantType, static_cast<int>(run.m_vUnknowns.size()), pQuant->m_iNumRep,
        pQuant->m_iNumWave, pQuant->m_iNumWave);
}

int iRunSpectrumPoints(const CRunFile& run) {
    int iPoints = 0;
    auto take = [&iPoints](const std::vector<CPointEntry>& points) {
        for (const CPointEntry& point : points) {
            if (point.m_pSpectrum) {
                iPoints = std::max(iPoints, static_cast<int>(point.m_pSpectrum->m_vdValues.size()));
            }
        }
    };
    for (const CStandardEntry& standard : run.m_vStandards) {
        take(standard.m_vPoints);
    }
    for (const CUnknownEntry& unknown : run.m_vUnknowns) {
        take(unknown.m_vPoints);
    }
    return iPoints;
}

void vSizeRunDocument(CUVPhotometryData& doc, const CRunFile& run, int iNumSamp) {
    doc.vSetEmpty(&run.m_Method, iNumSamp);
    if (run.bIsSpectral()) {
        // A point of a spectra analysis holds the whole spectrum.
        doc.bSetEmpty(iNumSamp, doc.iGetNumRep(), std::max(iRunSpectrumPoints(run), 1), 1);
    }
    vApplySpectrumSettings(doc, run.m_Settings);
}

void vSetUpRunStandards(CUVStandardData& standards, const CRunFile& run) {
    const int iNumSamp = static_cast<int>(run.m_vStandards.size());
    vSizeRunDocument(standards, run, iNumSamp);
    const CAnalysisSettings& settings = run.m_Settings;
    standards.vSetCalibType(settings.m_iCalibType);
    standards.vSetForceZero(settings.m_bForceZero);
    standards.vSetWeighting(settings.m_iWeighting);
    if (settings.m_iDirection) {
        standards.vSetCalibOpt(*settings.m_iDirection);
    }
    for (int s = 0; s < iNumSamp; ++s) {
        standards.vSetSampName(run.m_vStandards[static_cast<size_t>(s)].m_sName, s);
        standards.vChangeConcVal(run.m_vStandards[static_cast<size_t>(s)].m_dConc, s);
    }
}

void vSetUpRunUnknowns(CUVUnknownData& unknowns, const CRunFile& run, bool bStandardsCurve,
                       double dStandardsBlank) {
    const int iNumSamp = static_cast<int>(run.m_vUnknowns.size());
    vSizeRunDocument(unknowns, run, iNumSamp);
    unknowns.vSetEmptyConcCorrectInfo(iNumSamp);
    if (unknowns.iGetNumCoord() > 0) {
        unknowns.vInitDistribution();
    }
    for (int s = 0; s < iNumSamp; ++s) {
        const CUnknownEntry& entry = run.m_vUnknowns[static_cast<size_t>(s)];
        unknowns.vSetSampleNo(s, entry.m_iSampleNo);
        unknowns.vSetSampName(entry.m_sName, s);
        unknowns.vSetUnkSampName(entry.m_sName, s);
        unknowns.vSetWeightSetting(s, entry.m_dWeight);
        unknowns.vSetSolvent(s, entry.m_dSolvent);
        unknowns.vSetDilutionRatio(s, entry.m_dDilution);
        unknowns.vSetRevisionCoef(s, entry.m_dRevision);
    }
    const CAnalysisSettings& settings = run.m_Settings;
    unknowns.vSetConcRevision(settings.m_bAmountCorrection ? 1 : 0);
    unknowns.vSetResultType(settings.m_iResultType);
    unknowns.vSetRatioOperand(settings.m_iRatioOperand);
    for (int i = 0; i < kKFactorCount; ++i) {
        unknowns.vSetKFactor(i, settings.m_dKFactor[static_cast<size_t>(i)]);
    }
    if (settings.m_bManualCalib) {
        unknowns.vSetManualCalib(1);
        unknowns.vSetManualCalibOrder(settings.m_iManualOrder);
        for (int i = 0; i <= settings.m_iManualOrder; ++i) {
            unknowns.vSetCoeff(i, settings.m_dManualCoeff[static_cast<size_t>(i)]);
        }
        if (settings.m_iDirection) {
            unknowns.pGetCalibSeg()->m_iDirection = *settings.m_iDirection;
        }
        unknowns.vCalcConc0Data();
    } else if (bStandardsCurve) {
        unknowns.vSetConc0Data(dStandardsBlank);
    }
    // Until a blank sample is measured the blank is the curve's own reading at zero, so that the
    // correction y - blank + y0 leaves the readings of a run without blanks as they are.
    unknowns.vSetBlkData(unknowns.dGetConc0Data());
}

void vFeedRunPoint(CUVPhotometryData& doc, const CPointEntry& point, int iPoint) {
    switch (point.m_eKind) {
        case CPointEntry::EKind::kMeasured: {
            std::vector<CDoublePt> readings;
            for (size_t k = 0; k < point.m_vdTransmittance.size(); ++k) {
                readings.emplace_back(doc.dGetWavelength(static_cast<int>(k)),
                                      point.m_vdTransmittance[k]);
            }
            doc.iAddValues(readings.data(), static_cast<int>(readings.size()));
            break;
        }
        case CPointEntry::EKind::kSpectrum: {
            const CSpectrum& spectrum = *point.m_pSpectrum;
            CUVWaveData wave(spectrum.m_dStartWL, spectrum.m_dInterval, spectrum.m_vdValues.data(),
                             static_cast<int>(spectrum.m_vdValues.size()));
            doc.iAddPeakValues(&wave);
            break;
        }
        case CPointEntry::EKind::kSkipped:
            doc.vSkipData();
            break;
        case CPointEntry::EKind::kManual: {
            // The user skips the measurement and types the value in its place.
            doc.vSkipData();
            const CDoublePt typed(0.0, point.m_dManualValue);
            doc.iMChangeValues(&typed, iPoint);
            break;
        }
    }
}

// The accuracy check's texts, as the parameter library would format them for the unknowns list:
// readings with the document's decimals, differences reading - rated per standard and wavelength.
void vAttachRunValidation(CUVUnknownData& unknowns, const CRunFile& run) {
    if (!run.m_Accuracy) {
        return;
    }
    const CAccuracyCheck& check = *run.m_Accuracy;
    const int R = unknowns.iGetNumRep();
    const int W = unknowns.iGetNumMethodWave();
    const int Py = unknowns.iGetYPrecision();
    const int iWaveDecimals = unknowns.pGetInstParam()->iGetWaveDecimals();
    auto* pResult = new CPhotAccuracyResult;
    std::vector<std::string> titles = {sModuleString(kSampleHeader)};
    if (R > 1) {
        titles.push_back(sModuleString(kReplicateHeader));
    }
    for (int w = 0; w < W; ++w) {
        titles.push_back(unknowns.GetYUnits() + "(" +
                         sFixed(unknowns.dGetWavelength(w), iWaveDecimals) + ")");
    }
    titles.emplace_back("Lot result");
    pResult->vSetTitles(titles);
    pResult->vSetWaveTitle("Wavelength (nm)");
    pResult->vSetRatedTitle("Rated (" + unknowns.GetYUnits() + ")");
    pResult->vSetDiffTitle("Difference");
    pResult->vSetScopeTitle("Scope");
    pResult->vSetResultTitle("Photometric accuracy");
    bool bAllPass = true;
    for (int s = 0; s < unknowns.iGetNumSamp(); ++s) {
        const auto& rated = check.m_vvdRated[static_cast<size_t>(s)];
        for (int r = 0; r < R; ++r) {
            const int i = s * R + r;
            if (unknowns.bGetMeasured(i) == 0) {
                continue;
            }
            bool bPass = true;
            for (int w = 0; w < W; ++w) {
                const double reading = unknowns.dGetAbs(s, r, w);
                pResult->vSetValueText(i, w, sFixed(reading, Py));
                bPass &= std::abs(reading - rated[static_cast<size_t>(w)]) <= check.m_dTolerance;
            }
            pResult->vSetLotResultText(i, bPass ? kPassText : kFailText);
            bAllPass &= bPass;
        }
        for (int w = 0; w < W; ++w) {
            double mean = 0.0;
            double sum = 0.0;
            int count = 0;
            for (int r = 0; r < R; ++r) {
                if (unknowns.bGetMeasured(s * R + r) != 0) {
                    sum += unknowns.dGetAbs(s, r, w);
                    ++count;
                }
            }
            if (count == 0) {
                continue;
            }
            mean = sum / count;
            const double diff = mean - rated[static_cast<size_t>(w)];
            pResult->vSetWaveText(w, sFixed(unknowns.dGetWavelength(w), iWaveDecimals));
            pResult->vSetRatedText(s, w, sFixed(rated[static_cast<size_t>(w)], Py));
            pResult->vSetDiffText(s, w, sSigned(diff, Py));
            pResult->vSetScopeText(s, w, sPlusMinus(check.m_dTolerance, Py));
        }
    }
    pResult->vSetResultText(bAllPass ? kPassText : kFailText);
    unknowns.vSetGLPResult(pResult);
}
