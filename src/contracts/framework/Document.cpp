#include "contracts/framework/Document.h"

#include <algorithm>

#include "contracts/framework/View.h"

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

CDocument::~CDocument() {
    for (CView* pView : m_viewList) {
        pView->m_pDocument = nullptr;
    }
}

void CDocument::AddView(CView* pView) {
    if (pView == nullptr || pView->m_pDocument == this) {
        return;
    }
    if (pView->m_pDocument != nullptr) {
        pView->m_pDocument->RemoveView(pView);
    }
    m_viewList.push_back(pView);
    pView->m_pDocument = this;
}

void CDocument::RemoveView(CView* pView) {
    auto it = std::find(m_viewList.begin(), m_viewList.end(), pView);
    if (it != m_viewList.end()) {
        m_viewList.erase(it);
        pView->m_pDocument = nullptr;
    }
}

CView* CDocument::GetView(int index) const {
    if (index < 0 || index >= GetViewCount()) {
        return nullptr;
    }
    return m_viewList[static_cast<size_t>(index)];
}

void CDocument::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint) {
    // A view may detach itself while being updated; walk a copy.
    const std::vector<CView*> views = m_viewList;
    for (CView* pView : views) {
        if (pView != pSender) {
            pView->OnUpdate(pSender, lHint, pHint);
        }
    }
}
