#pragma once
// A view that is a report list: the view's own window is the list control, reached through
// GetListCtrl. The window is made of the list class whatever class the creator names, and like
// every view it is a visible, bordered child unless told more.
#include "contracts/framework/ListCtrl.h"
#include "contracts/framework/View.h"

class PQ_EXPORT CListView : public CView {
    DECLARE_DYNCREATE(CListView)
public:
    CListView() = default;

    // The list control of this view's window (a list without window before the view is created).
    CListCtrl& GetListCtrl() const;

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

private:
    mutable CListCtrl m_listCtrl;  // wraps the view's own window
};
