#include "ViewsTestSupport.h"

TEST(ListFrame, RightClickReachesTheSurroundingViewOnlyAndAtTheSamePlace) {
    CHostView host;
    CUVStandardData doc(0, 1, 1, 1, 1);
    CUVStandardList view;
    vPlace(view, doc, host);
    view.SendMessage(WM_RBUTTONUP, MK_RBUTTON, MAKELPARAM(5, 6));
    view.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(view.m_hWnd), MAKELPARAM(300, 200));
    // list at (10, 20) in the host at (100, 50): (5, 6) is the host's (15, 26), the screen's
    // (300, 200) the host's (200, 150)
    EXPECT_EQ(host.rightButtonUps, (std::vector<CPoint>{CPoint(15, 26), CPoint(200, 150)}));
    EXPECT_EQ(host.rightButtonFlags, (std::vector<UINT>{0, 0}));

    CWnd panel;  // a plain window between list and view: the list has no menu to offer
    ASSERT_TRUE(panel.Create("", "", WS_CHILD, CRect(0, 0, 200, 100), &host, 2));
    CUVStandardList inner;
    vPlace(inner, doc, panel);
    inner.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(5, 6));
    EXPECT_EQ(host.rightButtonUps.size(), 2u);
}

TEST(ListFrame, ClickLeavesTheActiveViewAndARefreshRedrawsOnceInTheUsersFont) {
    CFrameWnd frame;
    ASSERT_TRUE(frame.Create("", "", WS_POPUP, CRect(0, 0, 400, 300), nullptr, 0));
    CUVUnknownData doc(0, 2, 1, 1, 1);
    auto* pView = static_cast<CUVUnknownList*>(RUNTIME_CLASS(CUVUnknownList)->CreateObject());
    vPlace(*pView, doc, frame);
    EXPECT_EQ(pView->SendMessage(WM_MOUSEACTIVATE, 0, MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)),
              MA_ACTIVATE);
    EXPECT_EQ(frame.GetActiveView(), nullptr);

    const CWnd::CRedrawCounts before = pView->GetRedrawCounts();
    doc.UpdateAllViews(nullptr);
    const CWnd::CRedrawCounts& after = pView->GetRedrawCounts();
    EXPECT_EQ(after.m_iRedrawOff - before.m_iRedrawOff, 1);
    EXPECT_EQ(after.m_iErased - before.m_iErased, 1);
    EXPECT_EQ(after.m_iPainted - before.m_iPainted, 1);

    LOGFONT font;
    ASSERT_NE(pView->GetListCtrl().GetFont(), nullptr);
    pView->GetListCtrl().GetFont()->GetLogFont(&font);
    EXPECT_EQ(font.lfFaceName, "Sans");
    EXPECT_EQ(pView->GetFont().lfHeight, -11);
    delete pView;
}

TEST(ListFrame, DraggedFirstColumnKeepsItsWidthThroughLaterRefreshes) {
    CHostView host;
    CUVStandardData doc(0, 1, 1, 1, 1);
    CUVStandardList view;
    vPlace(view, doc, host);
    CListCtrl& list = view.GetListCtrl();
    auto vDragDivider = [&](int iItem) {
        NMHEADER header{{list.m_hWnd, 0, HDN_BEGINTRACK}, iItem, 0, nullptr};
        view.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
        list.SetColumnWidth(0, 200);
        view.OnUpdate(nullptr, 0, nullptr);
    };
    vDragDivider(1);
    EXPECT_EQ(list.GetColumnWidth(0), 126);  // "Std No. / Name": 84 + 42
    vDragDivider(0);
    view.OnUpdate(nullptr, 0, nullptr);
    EXPECT_EQ(list.GetColumnWidth(0), 200);
}

TEST(ListFrame, WithoutDocumentNothingIsShownAndLongTextsAreCut) {
    CHostView host;
    CUVUnknownList view;
    ASSERT_TRUE(view.Create("", "", LVS_REPORT, CRect(0, 0, 300, 200), &host, 1));
    view.OnInitialUpdate();
    view.vUpdateDisplay(0, 0, 1, 0);
    view.vUpdateXYDisplay(0, 0);
    view.vUpdateGLPDisplay(0, 0, 0);
    view.vUpdateGLPResult();
    EXPECT_EQ(view.GetListCtrl().GetColumnCount() + view.GetListCtrl().GetItemCount(), 0);

    EXPECT_EQ(CPhotometryListView::sCellText(std::string(300, 'y')), std::string(126, 'y'));
    // a two-byte character across the limit goes as a whole
    EXPECT_EQ(CPhotometryListView::sCellText(std::string(125, 'x') + "\xC3\xA9z").size(), 125u);
    CUVStandardData doc(0, 1, 1, 1, 1);
    doc.vSetSampName(std::string(200, 'n'), 0);
    CUVStandardList standards;
    vPlace(standards, doc, host);
    EXPECT_EQ(standards.GetListCtrl().GetItemText(0, 0), "1 " + std::string(124, 'n'));
}
