#pragma once
// A frame window: the window around views that knows which of them is active (the one commands
// go to). A view becomes active when it is clicked into (CView::OnMouseActivate).
#include "contracts/framework/Wnd.h"

class CView;

class PQ_EXPORT CFrameWnd : public CWnd {
    DECLARE_DYNCREATE(CFrameWnd)
public:
    CFrameWnd() = default;

    CView* GetActiveView() const { return m_pViewActive; }
    void SetActiveView(CView* pViewNew) { m_pViewActive = pViewNew; }

private:
    CView* m_pViewActive = nullptr;
};
