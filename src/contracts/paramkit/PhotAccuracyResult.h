#pragma once
// Photometric accuracy: each certified standard is read at each check wavelength and its reading
// compared with the rated value; the difference must lie within the allowed scope.
//   difference = reading - rated value
// Data rows carry the readings of each point and the lot verdict; the summary lists, per
// wavelength, the rated value, difference and scope of every standard.
#include <string>
#include <vector>

#include "PhotoquantExport.h"
#include "contracts/paramkit/GLPResult.h"

class PQ_EXPORT CPhotAccuracyResult : public CGLPResult {
public:
    CPhotAccuracyResult() : CGLPResult(kPhotAccuracy) {}

    using CGLPResult::sGetScopeText;

    // Column headings of the data rows.
    int iGetNumbTitle() const { return static_cast<int>(m_vsTitles.size()); }
    std::string sGetTitle(int column) const;
    // Headings of the summary columns.
    std::string sGetWaveTitle() const { return m_sWaveTitle; }
    std::string sGetRatedTitle() const { return m_sRatedTitle; }
    std::string sGetDiffTitle() const { return m_sDiffTitle; }
    std::string sGetScopeTitle() const { return m_sScopeTitle; }

    // Reading of data point `point` at check wavelength `wave`, and the point's lot verdict.
    std::string sGetValueText(int point, int wave) const { return m_ValueTexts.Get({point, wave}); }
    std::string sGetLotResultText(int point) const { return m_LotResultTexts.Get({point}); }

    // Summary: the check wavelength, then rated value, difference and scope of a standard at it.
    // A standard without a difference text ends the standards of that wavelength.
    std::string sGetWaveText(int wave) const { return m_WaveTexts.Get({wave}); }
    std::string sGetRatedText(int standard, int wave) const {
        return m_RatedTexts.Get({standard, wave});
    }
    std::string sGetDiffText(int standard, int wave) const {
        return m_DiffTexts.Get({standard, wave});
    }
    std::string sGetScopeText(int standard, int wave) const {
        return m_StandardScopeTexts.Get({standard, wave});
    }

    void vSetTitles(const std::vector<std::string>& titles) { m_vsTitles = titles; }
    void vSetWaveTitle(const std::string& text) { m_sWaveTitle = text; }
    void vSetRatedTitle(const std::string& text) { m_sRatedTitle = text; }
    void vSetDiffTitle(const std::string& text) { m_sDiffTitle = text; }
    void vSetScopeTitle(const std::string& text) { m_sScopeTitle = text; }
    void vSetValueText(int point, int wave, const std::string& text) {
        m_ValueTexts.vSet({point, wave}, text);
    }
    void vSetLotResultText(int point, const std::string& text) {
        m_LotResultTexts.vSet({point}, text);
    }
    void vSetWaveText(int wave, const std::string& text) { m_WaveTexts.vSet({wave}, text); }
    void vSetRatedText(int standard, int wave, const std::string& text) {
        m_RatedTexts.vSet({standard, wave}, text);
    }
    void vSetDiffText(int standard, int wave, const std::string& text) {
        m_DiffTexts.vSet({standard, wave}, text);
    }
    void vSetScopeText(int standard, int wave, const std::string& text) {
        m_StandardScopeTexts.vSet({standard, wave}, text);
    }
    using CGLPResult::vSetScopeText;

private:
    std::vector<std::string> m_vsTitles;
    std::string m_sWaveTitle;
    std::string m_sRatedTitle;
    std::string m_sDiffTitle;
    std::string m_sScopeTitle;
    CTextTable m_ValueTexts;
    CTextTable m_LotResultTexts;
    CTextTable m_WaveTexts;
    CTextTable m_RatedTexts;
    CTextTable m_DiffTexts;
    CTextTable m_StandardScopeTexts;
};
