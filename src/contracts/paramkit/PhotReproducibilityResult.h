#pragma once
// Photometric reproducibility: one standard read repeatedly; the spread of the readings must lie
// within the allowed scope. Data rows carry the reading of each repeat; the summary row the spread
// (the result value), its scope and the verdict.
#include <string>
#include <vector>

#include "PhotoquantExport.h"
#include "contracts/paramkit/GLPResult.h"

class PQ_EXPORT CPhotReproducibilityResult : public CGLPResult {
public:
    CPhotReproducibilityResult() : CGLPResult(kPhotReproducibility) {}

    // Column headings of the data rows.
    int iGetNumbTitle() const { return static_cast<int>(m_vsTitles.size()); }
    std::string sGetTitle(int column) const;
    // Reading of a repeat.
    std::string sGetValueText(int repeat) const { return m_ValueTexts.Get({repeat}); }

    void vSetTitles(const std::vector<std::string>& titles) { m_vsTitles = titles; }
    void vSetValueText(int repeat, const std::string& text) { m_ValueTexts.vSet({repeat}, text); }

private:
    std::vector<std::string> m_vsTitles;
    CTextTable m_ValueTexts;
};
