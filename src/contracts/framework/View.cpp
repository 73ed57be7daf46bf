#include "contracts/framework/View.h"

#include "contracts/framework/DC.h"
#include "contracts/framework/Document.h"
#include "contracts/framework/FrameWnd.h"

IMPLEMENT_DYNAMIC(CView, CWnd)

CView::~CView() {
    // Destroyed here, while this is still a view, so that its frame forgets it.
    if (FromHandle(m_hWnd) == this) {
        DestroyWindow();
    }
    if (m_pDocument != nullptr) {
        m_pDocument->RemoveView(this);
    }
}

void CView::OnInitialUpdate() {
    OnUpdate(nullptr, 0, nullptr);
}

void CView::OnUpdate(CView*, LPARAM, CObject*) {
    Invalidate(TRUE);
}

void CView::OnDraw(CDC*) {}

int CView::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message) {
    const int nResult = CWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
    if (nResult == MA_NOACTIVATE || nResult == MA_NOACTIVATEANDEAT) {
        return nResult;
    }
    if (CFrameWnd* pFrame = GetParentFrame()) {
        pFrame->SetActiveView(this);
    }
    return nResult;
}

void CView::OnPaint() {
    CDC dc;
    OnDraw(&dc);
}

void CView::OnDestroy() {
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != nullptr && pFrame->GetActiveView() == this) {
        pFrame->SetActiveView(nullptr);
    }
    CWnd::OnDestroy();
}
