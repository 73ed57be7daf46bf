#pragma once
// A view shows one document. The document tells its views about changes through OnUpdate; a view
// attached to a document detaches itself when it is destroyed, and the document when it is.
#include "contracts/framework/Wnd.h"

class CDocument;

class PQ_EXPORT CView : public CWnd {
    DECLARE_DYNAMIC(CView)
public:
    CView() = default;
    ~CView() override;
    CView(const CView&) = delete;
    CView& operator=(const CView&) = delete;

    CDocument* GetDocument() const { return m_pDocument; }

    virtual void OnInitialUpdate();
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);

protected:
    friend class CDocument;
    CDocument* m_pDocument = nullptr;
};
