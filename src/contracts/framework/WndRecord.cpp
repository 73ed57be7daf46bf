#include "contracts/framework/WndRecord.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr int kDesktopWidth = 1024;
constexpr int kDesktopHeight = 768;

bool bSameClassName(const std::string& a, const char* b) {
    const std::string other(b);
    return a.size() == other.size() &&
           std::equal(a.begin(), a.end(), other.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// The first nChars characters (UTF-8 code points) of text.
std::string sFirstCharacters(const std::string& text, UINT nChars) {
    UINT nSeen = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const bool bStartsCharacter = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (bStartsCharacter && nSeen++ == nChars) {
            return text.substr(0, i);
        }
    }
    return text;
}

}  // namespace

CWndRecord* CWndRecord::pCreate(const CREATESTRUCT& cs) {
    auto record = std::make_unique<CWndRecord>();
    record->m_sClass = cs.lpszClass;
    record->m_sText = cs.lpszName;
    record->m_dwStyle = cs.style;
    record->m_iID = static_cast<int>(cs.hMenu);
    record->m_pParent = cs.hwndParent;
    record->vMove(cs.x, cs.y);
    record->vResize(cs.cx, cs.cy);
    CWndRecord* pRecord = record.get();
    CWndRecord* pOwner = cs.hwndParent != nullptr ? cs.hwndParent : pDesktop();
    pOwner->m_children.push_back(std::move(record));
    return pRecord;
}

CWndRecord* CWndRecord::pDesktop() {
    // Never destroyed: windows may outlive static destruction.
    static CWndRecord* desktop = [] {
        auto* record = new CWndRecord;
        record->m_sClass = "#32769";
        record->m_dwStyle = WS_VISIBLE;
        record->m_rect = CRect(0, 0, kDesktopWidth, kDesktopHeight);
        record->vAdopt(std::make_unique<CWnd>());
        return record;
    }();
    return desktop;
}

void CWndRecord::vDestroy() {
    if (m_bDestroying || this == pDesktop()) {
        return;
    }
    m_bDestroying = true;
    lrSend(WM_DESTROY, 0, 0);
    while (!m_children.empty()) {
        m_children.back()->vDestroy();
    }
    for (CWnd* pWnd : m_attached) {
        pWnd->m_hWnd = nullptr;
    }
    m_attached.clear();
    m_pWnd = nullptr;
    auto& siblings = m_pParent != nullptr ? m_pParent->m_children : pDesktop()->m_children;
    const auto self = std::find_if(siblings.begin(), siblings.end(),
                                   [this](const auto& sibling) { return sibling.get() == this; });
    // Taken out of the list first, so that the record is freed only when this function returns.
    const std::unique_ptr<CWndRecord> freed = std::move(*self);
    siblings.erase(self);
}

void CWndRecord::vAdopt(std::unique_ptr<CWnd> pWnd) {
    pWnd->m_hWnd = this;
    m_attached.push_back(pWnd.get());
    m_pWnd = pWnd.get();
    m_pOwnWnd = std::move(pWnd);
}

bool CWndRecord::bIsClass(const char* szClass) const {
    return bSameClassName(m_sClass, szClass);
}

CWndRecord* CWndRecord::pChild(int iID) const {
    for (const auto& child : m_children) {
        if (child->m_iID == iID) {
            return child.get();
        }
    }
    return nullptr;
}

LRESULT CWndRecord::lrSend(UINT message, WPARAM wParam, LPARAM lParam) {
    return m_pWnd != nullptr ? m_pWnd->WindowProc(message, wParam, lParam) : 0;
}

void CWndRecord::vNotifyParent(WORD wCode) {
    if (m_pParent != nullptr) {
        m_pParent->lrSend(WM_COMMAND, MAKEWPARAM(m_iID, wCode), reinterpret_cast<LPARAM>(this));
    }
}

CPoint CWndRecord::ptClientOrigin() const {
    CPoint origin = m_pParent != nullptr ? m_pParent->ptClientOrigin() : CPoint();
    origin.Offset(m_rect.left, m_rect.top);
    return origin;
}

void CWndRecord::vMove(int x, int y) {
    m_rect = CRect(x, y, x + m_rect.Width(), y + m_rect.Height());
}

void CWndRecord::vResize(int cx, int cy) {
    const DWORD dwComboType = m_dwStyle & 0x0003;
    if (bIsClass("COMBOBOX") && (dwComboType == CBS_DROPDOWN || dwComboType == CBS_DROPDOWNLIST)) {
        m_iDroppedHeight = std::max(cy, 0);
        cy = kComboFieldHeight;
    }
    m_rect.right = m_rect.left + std::max(cx, 0);
    m_rect.bottom = m_rect.top + std::max(cy, 0);
}

void CWndRecord::vSetText(const std::string& sText) {
    const bool bEdit = bIsClass("EDIT");
    const std::string sNew = bEdit ? sFirstCharacters(sText, m_nTextLimit) : sText;
    if (sNew == m_sText) {
        return;
    }
    m_sText = sNew;
    vInvalidate(false);
    if (bEdit) {
        vNotifyParent(EN_CHANGE);
    }
}

void CWndRecord::vInvalidate(bool bErase) {
    if (!m_bRedraw) {
        return;
    }
    m_bInvalid = true;
    ++m_counts.m_iInvalidated;
    if (bErase) {
        ++m_counts.m_iErased;
    }
}
