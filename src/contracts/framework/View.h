#pragma once
// A view shows one document in a window. The document tells its views about changes through
// OnUpdate; a view attached to a document detaches itself when it is destroyed, and the document
// when it is. A click into a view makes it the active view of its frame.
#include "contracts/framework/Wnd.h"

class CDC;
class CDocument;

class PQ_EXPORT CView : public CWnd {
    DECLARE_DYNAMIC(CView)
public:
    CView() = default;
    ~CView() override;
    CView(const CView&) = delete;
    CView& operator=(const CView&) = delete;

    CDocument* GetDocument() const { return m_pDocument; }

    // Called once after the view is attached to its document; updates the view.
    virtual void OnInitialUpdate();
    // Invalidates the view unless overridden.
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);
    // Draws the view's content when it is painted; nothing unless overridden.
    virtual void OnDraw(CDC* pDC);

protected:
    friend class CDocument;

    int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message) override;
    void OnPaint() override;
    void OnDestroy() override;

    CDocument* m_pDocument = nullptr;
};
