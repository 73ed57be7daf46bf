#include "contracts/framework/Wnd.h"

#include <algorithm>

#include "contracts/framework/Font.h"
#include "contracts/framework/FrameWnd.h"
#include "contracts/framework/WndRecord.h"

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

namespace {

void vOffset(LPRECT lpRect, int dx, int dy) {
    lpRect->left += dx;
    lpRect->right += dx;
    lpRect->top += dy;
    lpRect->bottom += dy;
}

}  // namespace

CWnd::~CWnd() {
    if (m_hWnd == nullptr) {
        return;
    }
    if (m_hWnd->m_pWnd == this) {
        DestroyWindow();
    } else {
        Detach();
    }
}

BOOL CWnd::Create(const std::string& lpszClassName, const std::string& lpszWindowName,
                  DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    if (m_hWnd != nullptr || (pParentWnd != nullptr && pParentWnd->m_hWnd == nullptr)) {
        return FALSE;
    }
    const CRect place(rect);
    CREATESTRUCT cs;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = dwStyle;
    cs.x = place.left;
    cs.y = place.top;
    cs.cx = place.Width();
    cs.cy = place.Height();
    cs.hwndParent = pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr;
    cs.hMenu = nID;
    if (!PreCreateWindow(cs)) {
        return FALSE;
    }
    return SubclassWindow(CWndRecord::pCreate(cs));
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT&) {
    return TRUE;
}

BOOL CWnd::DestroyWindow() {
    if (m_hWnd == nullptr || m_hWnd == CWndRecord::pDesktop()) {
        return FALSE;
    }
    m_hWnd->vDestroy();
    return TRUE;
}

BOOL CWnd::Attach(HWND hWndNew) {
    if (m_hWnd != nullptr || hWndNew == nullptr) {
        return FALSE;
    }
    m_hWnd = hWndNew;
    hWndNew->m_attached.push_back(this);
    return TRUE;
}

HWND CWnd::Detach() {
    HWND hWnd = m_hWnd;
    if (hWnd == nullptr) {
        return nullptr;
    }
    std::erase(hWnd->m_attached, this);
    if (hWnd->m_pWnd == this) {
        hWnd->m_pWnd = hWnd->m_pOwnWnd.get();
    }
    m_hWnd = nullptr;
    return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
    if (!Attach(hWnd)) {
        return FALSE;
    }
    hWnd->m_pWnd = this;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
    if (pParent == nullptr || pParent->m_hWnd == nullptr) {
        return FALSE;
    }
    return SubclassWindow(pParent->m_hWnd->pChild(static_cast<int>(nID)));
}

CWnd* CWnd::FromHandle(HWND hWnd) {
    return hWnd != nullptr ? hWnd->m_pWnd : nullptr;
}

CWnd* CWnd::GetDesktopWindow() {
    return CWndRecord::pDesktop()->m_pWnd;
}

CWnd* CWnd::GetParent() const {
    return m_hWnd != nullptr ? FromHandle(m_hWnd->m_pParent) : nullptr;
}

CFrameWnd* CWnd::GetParentFrame() const {
    for (CWnd* pWnd = GetParent(); pWnd != nullptr; pWnd = pWnd->GetParent()) {
        if (pWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd))) {
            return static_cast<CFrameWnd*>(pWnd);
        }
    }
    return nullptr;
}

CWnd* CWnd::GetDlgItem(int nID) const {
    return m_hWnd != nullptr ? FromHandle(m_hWnd->pChild(nID)) : nullptr;
}

int CWnd::GetDlgCtrlID() const {
    return m_hWnd != nullptr ? m_hWnd->m_iID : 0;
}

void CWnd::GetWindowRect(LPRECT lpRect) const {
    GetClientRect(lpRect);
    ClientToScreen(lpRect);
}

void CWnd::GetClientRect(LPRECT lpRect) const {
    *lpRect =
        m_hWnd != nullptr ? CRect(0, 0, m_hWnd->m_rect.Width(), m_hWnd->m_rect.Height()) : CRect();
}

void CWnd::ClientToScreen(LPPOINT lpPoint) const {
    if (m_hWnd != nullptr) {
        const CPoint origin = m_hWnd->ptClientOrigin();
        lpPoint->x += origin.x;
        lpPoint->y += origin.y;
    }
}

void CWnd::ClientToScreen(LPRECT lpRect) const {
    if (m_hWnd != nullptr) {
        const CPoint origin = m_hWnd->ptClientOrigin();
        vOffset(lpRect, origin.x, origin.y);
    }
}

void CWnd::ScreenToClient(LPPOINT lpPoint) const {
    if (m_hWnd != nullptr) {
        const CPoint origin = m_hWnd->ptClientOrigin();
        lpPoint->x -= origin.x;
        lpPoint->y -= origin.y;
    }
}

void CWnd::ScreenToClient(LPRECT lpRect) const {
    if (m_hWnd != nullptr) {
        const CPoint origin = m_hWnd->ptClientOrigin();
        vOffset(lpRect, -origin.x, -origin.y);
    }
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL) {
    SetWindowPos(nullptr, x, y, nWidth, nHeight, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint) {
    const CRect place(*lpRect);
    MoveWindow(place.left, place.top, place.Width(), place.Height(), bRepaint);
}

BOOL CWnd::SetWindowPos(const CWnd*, int x, int y, int cx, int cy, UINT nFlags) {
    if (m_hWnd == nullptr) {
        return FALSE;
    }
    if ((nFlags & SWP_NOMOVE) == 0) {
        m_hWnd->vMove(x, y);
    }
    if ((nFlags & SWP_NOSIZE) == 0) {
        m_hWnd->vResize(cx, cy);
    }
    if ((nFlags & SWP_SHOWWINDOW) != 0) {
        m_hWnd->m_dwStyle |= WS_VISIBLE;
    }
    if ((nFlags & SWP_HIDEWINDOW) != 0) {
        m_hWnd->m_dwStyle &= ~WS_VISIBLE;
    }
    return TRUE;
}

DWORD CWnd::GetStyle() const {
    return m_hWnd != nullptr ? m_hWnd->m_dwStyle : 0;
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
    if (m_hWnd == nullptr) {
        return FALSE;
    }
    const DWORD dwNew = (m_hWnd->m_dwStyle & ~dwRemove) | dwAdd;
    if (dwNew == m_hWnd->m_dwStyle) {
        return FALSE;
    }
    m_hWnd->m_dwStyle = dwNew;
    if (nFlags != 0) {
        SetWindowPos(nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    }
    return TRUE;
}

BOOL CWnd::ShowWindow(int nCmdShow) {
    if (m_hWnd == nullptr) {
        return FALSE;
    }
    const BOOL bWasVisible = (m_hWnd->m_dwStyle & WS_VISIBLE) != 0 ? TRUE : FALSE;
    if (nCmdShow == SW_HIDE) {
        m_hWnd->m_dwStyle &= ~WS_VISIBLE;
    } else {
        m_hWnd->m_dwStyle |= WS_VISIBLE;
    }
    return bWasVisible;
}

BOOL CWnd::IsWindowVisible() const {
    if (m_hWnd == nullptr) {
        return FALSE;
    }
    for (const CWndRecord* pRecord = m_hWnd; pRecord != nullptr; pRecord = pRecord->m_pParent) {
        if ((pRecord->m_dwStyle & WS_VISIBLE) == 0) {
            return FALSE;
        }
    }
    return TRUE;
}

BOOL CWnd::EnableWindow(BOOL bEnable) {
    if (m_hWnd == nullptr) {
        return FALSE;
    }
    const BOOL bWasDisabled = (m_hWnd->m_dwStyle & WS_DISABLED) != 0 ? TRUE : FALSE;
    if (bEnable) {
        m_hWnd->m_dwStyle &= ~WS_DISABLED;
    } else {
        m_hWnd->m_dwStyle |= WS_DISABLED;
    }
    return bWasDisabled;
}

BOOL CWnd::IsWindowEnabled() const {
    return m_hWnd != nullptr && (m_hWnd->m_dwStyle & WS_DISABLED) == 0 ? TRUE : FALSE;
}

void CWnd::SetWindowText(const std::string& lpszString) {
    SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpszString.c_str()));
}

void CWnd::GetWindowText(std::string& rString) const {
    rString = m_hWnd != nullptr ? m_hWnd->m_sText : std::string();
}

void CWnd::SetFont(CFont* pFont, BOOL bRedraw) {
    const HFONT hFont = pFont != nullptr ? pFont->GetSafeHandle() : nullptr;
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont), MAKELPARAM(bRedraw, 0));
}

CFont* CWnd::GetFont() const {
    return CFont::FromHandle(reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)));
}

void CWnd::SetRedraw(BOOL bRedraw) {
    SendMessage(WM_SETREDRAW, bRedraw ? TRUE : FALSE);
}

void CWnd::Invalidate(BOOL bErase) {
    if (m_hWnd != nullptr) {
        m_hWnd->vInvalidate(bErase != FALSE);
    }
}

void CWnd::UpdateWindow() {
    if (m_hWnd == nullptr || !m_hWnd->m_bInvalid || !m_hWnd->m_bRedraw) {
        return;
    }
    m_hWnd->m_bInvalid = false;
    ++m_hWnd->m_counts.m_iPainted;
    SendMessage(WM_PAINT);
}

BOOL CWnd::IsRedrawEnabled() const {
    return m_hWnd != nullptr && m_hWnd->m_bRedraw ? TRUE : FALSE;
}

const CWnd::CRedrawCounts& CWnd::GetRedrawCounts() const {
    static const CRedrawCounts none;
    return m_hWnd != nullptr ? m_hWnd->m_counts : none;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::SendMessage(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult)) {
        lResult = DefWindowProc(message, wParam, lParam);
    }
    return lResult;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    switch (message) {
        case WM_COMMAND:
            return OnCommand(wParam, lParam);
        case WM_NOTIFY:
            return OnNotify(wParam, lParam, pResult);
        case WM_MOUSEACTIVATE:
            *pResult = OnMouseActivate(FromHandle(reinterpret_cast<HWND>(wParam)),
                                       LOWORD(static_cast<WPARAM>(lParam)),
                                       HIWORD(static_cast<WPARAM>(lParam)));
            return TRUE;
        case WM_CONTEXTMENU:
            OnContextMenu(FromHandle(reinterpret_cast<HWND>(wParam)), CPoint(lParam));
            return TRUE;
        case WM_RBUTTONUP:
            OnRButtonUp(static_cast<UINT>(wParam), CPoint(lParam));
            return TRUE;
        case WM_PAINT:
            OnPaint();
            return TRUE;
        case WM_DESTROY:
            OnDestroy();
            return TRUE;
        default:
            return FALSE;
    }
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_hWnd == nullptr) {
        return 0;
    }
    switch (message) {
        case WM_SETTEXT:
            m_hWnd->vSetText(reinterpret_cast<const char*>(lParam));
            return TRUE;
        case WM_SETFONT:
            m_hWnd->m_hFont = reinterpret_cast<HFONT>(wParam);
            if (LOWORD(static_cast<WPARAM>(lParam)) != 0) {
                Invalidate(TRUE);
                UpdateWindow();
            }
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(m_hWnd->m_hFont);
        case WM_SETREDRAW:
            m_hWnd->m_bRedraw = wParam != 0;
            ++(wParam != 0 ? m_hWnd->m_counts.m_iRedrawOn : m_hWnd->m_counts.m_iRedrawOff);
            return 0;
        case WM_MOUSEACTIVATE: {
            // A child asks its parent first; an answer there is the answer.
            const LRESULT lParentAnswer = m_hWnd->m_pParent != nullptr
                                              ? m_hWnd->m_pParent->lrSend(message, wParam, lParam)
                                              : 0;
            return lParentAnswer != 0 ? lParentAnswer : MA_ACTIVATE;
        }
        case WM_CONTEXTMENU:
            // A child that shows no menu of its own lets its parent show one.
            if (m_hWnd->m_pParent != nullptr) {
                m_hWnd->m_pParent->lrSend(message, wParam, lParam);
            }
            return 0;
        case WM_RBUTTONUP: {
            // Releasing the right button asks for a context menu at that place on the screen.
            CPoint point(lParam);
            ClientToScreen(&point);
            SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(m_hWnd),
                        MAKELPARAM(point.x, point.y));
            return 0;
        }
        default:
            return 0;
    }
}

BOOL CWnd::OnCommand(WPARAM, LPARAM) {
    return FALSE;
}

BOOL CWnd::OnNotify(WPARAM, LPARAM, LRESULT*) {
    return FALSE;
}

int CWnd::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message) {
    const HWND hDesktop = pDesktopWnd != nullptr ? pDesktopWnd->m_hWnd : nullptr;
    return static_cast<int>(
        DefWindowProc(WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(hDesktop),
                      MAKELPARAM(static_cast<int>(nHitTest), static_cast<int>(message))));
}

void CWnd::OnContextMenu(CWnd* pWnd, CPoint pos) {
    const HWND hWnd = pWnd != nullptr ? pWnd->m_hWnd : nullptr;
    DefWindowProc(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hWnd), MAKELPARAM(pos.x, pos.y));
}

void CWnd::OnRButtonUp(UINT nFlags, CPoint point) {
    DefWindowProc(WM_RBUTTONUP, nFlags, MAKELPARAM(point.x, point.y));
}

void CWnd::OnPaint() {
    DefWindowProc(WM_PAINT, 0, 0);
}

void CWnd::OnDestroy() {
    DefWindowProc(WM_DESTROY, 0, 0);
}

LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return hWnd != nullptr ? hWnd->lrSend(message, wParam, lParam) : 0;
}

LONG GetWindowLong(HWND hWnd, int nIndex) {
    if (hWnd == nullptr) {
        return 0;
    }
    switch (nIndex) {
        case GWL_STYLE:
            return static_cast<LONG>(hWnd->m_dwStyle);
        case GWL_ID:
            return hWnd->m_iID;
        default:
            return 0;
    }
}

LONG SetWindowLong(HWND hWnd, int nIndex, LONG dwNewLong) {
    const LONG lPrevious = GetWindowLong(hWnd, nIndex);
    if (hWnd != nullptr && nIndex == GWL_STYLE) {
        hWnd->m_dwStyle = static_cast<DWORD>(dwNewLong);
    } else if (hWnd != nullptr && nIndex == GWL_ID) {
        hWnd->m_iID = dwNewLong;
    }
    return lPrevious;
}

void AfxSetDesktopSize(int cx, int cy) {
    CWndRecord::pDesktop()->m_rect = CRect(0, 0, std::max(cx, 0), std::max(cy, 0));
}
