#include "contracts/framework/Edit.h"

#include "contracts/framework/WndRecord.h"

IMPLEMENT_DYNAMIC(CEdit, CWnd)

namespace {

constexpr UINT kLargestSingleLineLimit = 0x7FFFFFFE;
constexpr UINT kLargestMultiLineLimit = 0xFFFFFFFF;

}  // namespace

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create("EDIT", "", dwStyle, rect, pParentWnd, nID);
}

void CEdit::LimitText(int nChars) {
    SetLimitText(static_cast<UINT>(nChars));
}

void CEdit::SetLimitText(UINT nMax) {
    if (m_hWnd == nullptr) {
        return;
    }
    if (nMax == 0) {
        nMax = (GetStyle() & ES_MULTILINE) != 0 ? kLargestMultiLineLimit : kLargestSingleLineLimit;
    }
    m_hWnd->m_nTextLimit = nMax;
}

UINT CEdit::GetLimitText() const {
    return m_hWnd != nullptr ? m_hWnd->m_nTextLimit : 0;
}
