#pragma once
// Photometric accuracy and reproducibility checked together, as a pharmacopoeia's instrument
// qualification lays them out: readings per point and wavelength, their average per wavelength, an
// accuracy table, a reproducibility table of F repeats per wavelength, and a verdict for each.
// Texts are kept per title set; the unknowns view uses set 0 and text form 0.
#include <map>
#include <string>
#include <vector>

#include "PhotoquantExport.h"
#include "contracts/paramkit/GLPResult.h"

class PQ_EXPORT CPhotAccuracyJPResult : public CGLPResult {
public:
    CPhotAccuracyJPResult() : CGLPResult(kPhotAccuracyJP) {}

    int m_iReproRowsPerWave = 0;  // F: reproducibility rows (repeats) per wavelength

    // Column headings of the data rows in a title set.
    int iGetNumbTitle(int set) const {
        const std::vector<std::string>* pTitles = pDataTitles(set);
        return pTitles != nullptr ? static_cast<int>(pTitles->size()) : 0;
    }
    std::string sGeDataTitle(int column, int set) const;
    // Titles of the accuracy and reproducibility table items, in a text form.
    std::string sGetAccuracyTitle(int item, int set, int form) const {
        return m_AccuracyTitles.Get({item, set, form});
    }
    std::string sGetReproducibilityTitle(int item, int set, int form) const {
        return m_ReproTitles.Get({item, set, form});
    }

    // Reading of data point `point` at check wavelength `wave`.
    std::string sGetValueText(int point, int wave) const { return m_ValueTexts.Get({point, wave}); }
    // Average reading per wavelength.
    std::string sGetAverageTitle() const { return m_sAverageTitle; }
    std::string sGetAverageText(int wave) const { return m_AverageTexts.Get({wave}); }

    // Cell of the accuracy table.
    std::string sGetAccuracyText(int row, int column, int set) const {
        return m_AccuracyTexts.Get({row, column, set});
    }
    // Cell of the reproducibility table; repeat -1 is the heading row, then 0 to F - 1 per
    // wavelength.
    std::string sGetReproducibilityText(int row, int column, int repeat, int set) const {
        return m_ReproTexts.Get({row, column, repeat, set});
    }
    // Verdicts: accuracy, and reproducibility per wavelength (-1 over all wavelengths).
    std::string sGetAccuracyResultText() const { return m_sAccuracyResultText; }
    std::string sGetReproducibilityResultText(int wave) const {
        return m_ReproResultTexts.Get({wave});
    }

    void vSetDataTitles(int set, const std::vector<std::string>& titles) {
        m_DataTitles[set] = titles;
    }
    void vSetAccuracyTitle(int item, int set, int form, const std::string& text) {
        m_AccuracyTitles.vSet({item, set, form}, text);
    }
    void vSetReproducibilityTitle(int item, int set, int form, const std::string& text) {
        m_ReproTitles.vSet({item, set, form}, text);
    }
    void vSetValueText(int point, int wave, const std::string& text) {
        m_ValueTexts.vSet({point, wave}, text);
    }
    void vSetAverageTitle(const std::string& text) { m_sAverageTitle = text; }
    void vSetAverageText(int wave, const std::string& text) { m_AverageTexts.vSet({wave}, text); }
    void vSetAccuracyText(int row, int column, int set, const std::string& text) {
        m_AccuracyTexts.vSet({row, column, set}, text);
    }
    void vSetReproducibilityText(int row, int column, int repeat, int set,
                                 const std::string& text) {
        m_ReproTexts.vSet({row, column, repeat, set}, text);
    }
    void vSetAccuracyResultText(const std::string& text) { m_sAccuracyResultText = text; }
    void vSetReproducibilityResultText(int wave, const std::string& text) {
        m_ReproResultTexts.vSet({wave}, text);
    }

private:
    // The titles of a set; none for a set never given.
    const std::vector<std::string>* pDataTitles(int set) const {
        const auto found = m_DataTitles.find(set);
        return found != m_DataTitles.end() ? &found->second : nullptr;
    }

    std::map<int, std::vector<std::string>> m_DataTitles;
    CTextTable m_AccuracyTitles;
    CTextTable m_ReproTitles;
    CTextTable m_ValueTexts;
    std::string m_sAverageTitle;
    CTextTable m_AverageTexts;
    CTextTable m_AccuracyTexts;
    CTextTable m_ReproTexts;
    std::string m_sAccuracyResultText;
    CTextTable m_ReproResultTexts;
};
