#include "contracts/framework/ComboBox.h"

#include <algorithm>
#include <cctype>

#include "contracts/framework/WndRecord.h"

IMPLEMENT_DYNAMIC(CComboBox, CWnd)

namespace {

bool bAlphabeticallyBefore(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) <
               std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create("COMBOBOX", "", dwStyle, rect, pParentWnd, nID);
}

int CComboBox::AddString(const std::string& lpszString) {
    if (m_hWnd == nullptr) {
        return CB_ERR;
    }
    const auto& strings = m_hWnd->m_comboStrings;
    auto position = strings.end();
    if ((GetStyle() & CBS_SORT) != 0) {
        position =
            std::upper_bound(strings.begin(), strings.end(), lpszString, bAlphabeticallyBefore);
    }
    return InsertString(static_cast<int>(position - strings.begin()), lpszString);
}

int CComboBox::InsertString(int nIndex, const std::string& lpszString) {
    if (m_hWnd == nullptr || nIndex < -1 || nIndex > GetCount()) {
        return CB_ERR;
    }
    if (nIndex == -1) {
        nIndex = GetCount();
    }
    auto& strings = m_hWnd->m_comboStrings;
    strings.insert(strings.begin() + nIndex, lpszString);
    if (m_hWnd->m_iCurSel >= nIndex) {
        ++m_hWnd->m_iCurSel;
    }
    return nIndex;
}

int CComboBox::DeleteString(UINT nIndex) {
    const int nEntry = static_cast<int>(nIndex);
    if (!bHasEntry(nEntry)) {
        return CB_ERR;
    }
    auto& strings = m_hWnd->m_comboStrings;
    strings.erase(strings.begin() + nEntry);
    if (m_hWnd->m_iCurSel == nEntry) {
        SetCurSel(-1);
    } else if (m_hWnd->m_iCurSel > nEntry) {
        --m_hWnd->m_iCurSel;
    }
    return GetCount();
}

void CComboBox::ResetContent() {
    if (m_hWnd != nullptr) {
        m_hWnd->m_comboStrings.clear();
        SetCurSel(-1);
    }
}

int CComboBox::GetCount() const {
    return m_hWnd != nullptr ? static_cast<int>(m_hWnd->m_comboStrings.size()) : 0;
}

int CComboBox::GetCurSel() const {
    return m_hWnd != nullptr ? m_hWnd->m_iCurSel : CB_ERR;
}

int CComboBox::SetCurSel(int nSelect) {
    if (m_hWnd == nullptr) {
        return CB_ERR;
    }
    const bool bSelects = bHasEntry(nSelect);
    m_hWnd->m_iCurSel = bSelects ? nSelect : -1;
    m_hWnd->vSetText(bSelects ? m_hWnd->m_comboStrings[static_cast<size_t>(nSelect)] : "");
    return bSelects ? nSelect : CB_ERR;
}

int CComboBox::UserSelect(int nIndex) {
    if (!bHasEntry(nIndex)) {
        return CB_ERR;
    }
    SetCurSel(nIndex);
    m_hWnd->vNotifyParent(CBN_SELCHANGE);
    return nIndex;
}

void CComboBox::GetLBText(int nIndex, std::string& rString) const {
    rString =
        bHasEntry(nIndex) ? m_hWnd->m_comboStrings[static_cast<size_t>(nIndex)] : std::string();
}

int CComboBox::GetItemHeight(int nIndex) const {
    if (nIndex < -1) {
        return CB_ERR;
    }
    return nIndex == -1 ? kComboFieldHeight : kComboItemHeight;
}

void CComboBox::GetDroppedControlRect(LPRECT lprect) const {
    GetWindowRect(lprect);
    if (m_hWnd != nullptr && m_hWnd->m_iDroppedHeight > 0) {
        lprect->bottom = lprect->top + m_hWnd->m_iDroppedHeight;
    }
}

bool CComboBox::bHasEntry(int nIndex) const {
    return nIndex >= 0 && nIndex < GetCount();
}
