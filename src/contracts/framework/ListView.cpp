#include "contracts/framework/ListView.h"

IMPLEMENT_DYNCREATE(CListView, CView)

CListCtrl& CListView::GetListCtrl() const {
    if (m_listCtrl.m_hWnd != m_hWnd) {
        m_listCtrl.Detach();
        m_listCtrl.Attach(m_hWnd);
    }
    return m_listCtrl;
}

BOOL CListView::PreCreateWindow(CREATESTRUCT& cs) {
    cs.lpszClass = WC_LISTVIEW;
    cs.style |= WS_CHILD | WS_VISIBLE | WS_BORDER;
    return CView::PreCreateWindow(cs);
}
