#pragma once
// A validation result: the outcome of an instrument check by photometric accuracy (readings of
// certified standards against their rated values), photometric reproducibility (repeated readings
// of one standard), or both combined. The parameter library formats every title and cell; the
// unknowns view only places the texts. Here the host fills the texts, each under the indices the
// view asks with; indices never filled read as an empty text.
//
// The kind of result is its type code, the first data member, which the view reads directly to
// choose the concrete class. The document owns the result attached to it and deletes it through
// the virtual destructor.
#include <map>
#include <string>
#include <vector>

#include "PhotoquantExport.h"

class PQ_EXPORT CGLPResult {
public:
    static constexpr int kPhotAccuracy = 9;          // CPhotAccuracyResult
    static constexpr int kPhotReproducibility = 10;  // CPhotReproducibilityResult
    static constexpr int kPhotAccuracyJP = 29;       // CPhotAccuracyJPResult

    // A result of a kind without a validation layout (type code 0).
    CGLPResult() : CGLPResult(0) {}
    virtual ~CGLPResult() = default;

    const int m_iResultType;  // kind of result, fixed by the class

    // The overall verdict.
    std::string sGetResultText() const { return m_sResultText; }
    // The allowed scope of a checked item.
    std::string sGetScopeText(int item) const { return m_ScopeTexts.Get({item}); }
    // Title of the result row, and the value of a checked item shown beside it.
    virtual std::string sGetResultTitle() const { return m_sResultTitle; }
    virtual std::string sGetResultValue(int item) const { return m_ResultValues.Get({item}); }

    void vSetResultText(const std::string& text) { m_sResultText = text; }
    void vSetScopeText(int item, const std::string& text) { m_ScopeTexts.vSet({item}, text); }
    void vSetResultTitle(const std::string& text) { m_sResultTitle = text; }
    void vSetResultValue(int item, const std::string& text) { m_ResultValues.vSet({item}, text); }

protected:
    explicit CGLPResult(int resultType) : m_iResultType(resultType) {}

    // Texts under the indices they are asked for with.
    class CTextTable {
    public:
        void vSet(const std::vector<int>& indices, const std::string& text) {
            m_Texts[indices] = text;
        }
        std::string Get(const std::vector<int>& indices) const {
            const auto found = m_Texts.find(indices);
            return found != m_Texts.end() ? found->second : std::string();
        }

    private:
        std::map<std::vector<int>, std::string> m_Texts;
    };

private:
    std::string m_sResultText;
    std::string m_sResultTitle;
    CTextTable m_ScopeTexts;
    CTextTable m_ResultValues;
};
