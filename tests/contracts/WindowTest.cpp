#include <gtest/gtest.h>

#include <vector>

#include "contracts/framework/CommCtrl.h"
#include "contracts/framework/DC.h"
#include "contracts/framework/Font.h"
#include "contracts/framework/FrameWnd.h"
#include "contracts/framework/ListView.h"
#include "contracts/framework/View.h"

namespace {

// A parent view that records the right-button releases and context menus it receives.
class RecordingView : public CView {
public:
    std::vector<CPoint> rightButtonUps;
    std::vector<UINT> rightButtonFlags;
    std::vector<CPoint> contextMenus;
    std::vector<CWnd*> contextMenuWindows;
    int nDraws = 0;

    void OnDraw(CDC*) override { ++nDraws; }

protected:
    void OnRButtonUp(UINT nFlags, CPoint point) override {
        rightButtonFlags.push_back(nFlags);
        rightButtonUps.push_back(point);
    }
    void OnContextMenu(CWnd* pWnd, CPoint pos) override {
        contextMenuWindows.push_back(pWnd);
        contextMenus.push_back(pos);
    }
};

}  // namespace

TEST(WindowTree, ConvertsBetweenClientAndScreenCoordinatesOverEveryParent) {
    CWnd top;
    CWnd child;
    CWnd grandchild;
    ASSERT_TRUE(top.Create("", "top", WS_POPUP | WS_VISIBLE, CRect(100, 50, 500, 450), nullptr, 0));
    ASSERT_TRUE(child.Create("", "", WS_CHILD | WS_VISIBLE, CRect(10, 20, 210, 220), &top, 7));
    ASSERT_TRUE(grandchild.Create("", "", WS_CHILD, CRect(5, 5, 55, 45), &child, 8));

    CPoint point(1, 2);
    grandchild.ClientToScreen(&point);
    EXPECT_EQ(point, CPoint(116, 77));  // 100 + 10 + 5 + 1, 50 + 20 + 5 + 2
    top.ScreenToClient(&point);
    EXPECT_EQ(point, CPoint(16, 27));  // 116 - 100, 77 - 50

    CRect rect;
    grandchild.GetWindowRect(&rect);
    EXPECT_EQ(rect, CRect(115, 75, 165, 115));

    child.MoveWindow(30, 40, 100, 100);
    grandchild.GetWindowRect(&rect);
    EXPECT_EQ(rect, CRect(135, 95, 185, 135));  // the child's move carries the grandchild along
    child.SetWindowPos(nullptr, 0, 0, 80, 90, SWP_NOMOVE | SWP_NOZORDER);
    child.GetWindowRect(&rect);
    EXPECT_EQ(rect, CRect(130, 90, 210, 180));

    EXPECT_EQ(top.GetDlgItem(7), &child);
    EXPECT_EQ(top.GetDlgItem(8), nullptr);  // only direct children are dialog items
    CWnd::GetDesktopWindow()->GetWindowRect(&rect);
    EXPECT_EQ(rect, CRect(0, 0, 1024, 768));

    top.DestroyWindow();
    EXPECT_EQ(child.GetSafeHwnd(), nullptr);
    EXPECT_EQ(grandchild.GetSafeHwnd(), nullptr);
}

TEST(WindowMessages, RightButtonUpArrivesWithItsPointUnpackedSigned) {
    EXPECT_EQ(GET_X_LPARAM(MAKELPARAM(-5, 32767)), -5);
    EXPECT_EQ(GET_Y_LPARAM(MAKELPARAM(-5, -32768)), -32768);
    EXPECT_EQ(MAKELPARAM(0x12, 0x34), 0x00340012);

    RecordingView view;
    ASSERT_TRUE(view.Create("", "", WS_POPUP, CRect(100, 50, 400, 350), nullptr, 0));
    view.SendMessage(WM_RBUTTONUP, MK_SHIFT, MAKELPARAM(-5, -300));
    ASSERT_EQ(view.rightButtonUps.size(), 1u);
    EXPECT_EQ(view.rightButtonUps[0], CPoint(-5, -300));
    EXPECT_EQ(view.rightButtonFlags[0], MK_SHIFT);

    // A plain child releasing the right button asks for a context menu at the screen point, and
    // having no menu of its own passes the request to its parent.
    CWnd child;
    ASSERT_TRUE(child.Create("", "", WS_CHILD, CRect(10, 20, 60, 70), &view, 3));
    child.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(3, 4));
    ASSERT_EQ(view.contextMenus.size(), 1u);
    EXPECT_EQ(view.contextMenus[0], CPoint(113, 74));  // 100 + 10 + 3, 50 + 20 + 4
    EXPECT_EQ(view.contextMenuWindows[0], &child);
}

TEST(WindowMessages, MouseActivationMakesAViewTheFramesActiveViewUntilItIsDestroyed) {
    CFrameWnd frame;
    RecordingView view;
    ASSERT_TRUE(frame.Create("", "", WS_POPUP, CRect(0, 0, 600, 400), nullptr, 0));
    ASSERT_TRUE(view.Create("", "", WS_CHILD, CRect(0, 0, 600, 200), &frame, 1));
    EXPECT_EQ(view.SendMessage(WM_MOUSEACTIVATE,
                               reinterpret_cast<WPARAM>(CWnd::GetDesktopWindow()->m_hWnd),
                               MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)),
              MA_ACTIVATE);
    EXPECT_EQ(frame.GetActiveView(), &view);
    view.DestroyWindow();
    EXPECT_EQ(frame.GetActiveView(), nullptr);
}

TEST(WindowDrawing, ARefreshWithRedrawingOffInvalidatesAndPaintsOnce) {
    RecordingView view;
    ASSERT_TRUE(view.Create("", "", WS_POPUP, CRect(0, 0, 300, 200), nullptr, 0));
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | LVS_REPORT, CRect(0, 0, 300, 200), &view, 1));
    list.InsertColumn(0, "Std No. / Name", LVCFMT_LEFT, 90);
    EXPECT_EQ(list.GetRedrawCounts().m_iInvalidated, 1);  // a change while redrawing is on

    list.SetRedraw(FALSE);
    list.InsertItem(0, "1 STD-A");
    list.SetItemText(0, 0, "1 STD-B");
    list.Invalidate(TRUE);
    list.UpdateWindow();
    EXPECT_EQ(list.GetRedrawCounts().m_iInvalidated, 1);
    EXPECT_EQ(list.GetRedrawCounts().m_iPainted, 0);
    list.SetRedraw(TRUE);
    list.Invalidate(TRUE);
    list.UpdateWindow();
    list.UpdateWindow();  // nothing left to paint

    const CWnd::CRedrawCounts& counts = list.GetRedrawCounts();
    EXPECT_EQ(counts.m_iRedrawOff, 1);
    EXPECT_EQ(counts.m_iRedrawOn, 1);
    EXPECT_EQ(counts.m_iInvalidated, 2);
    EXPECT_EQ(counts.m_iErased, 1);
    EXPECT_EQ(counts.m_iPainted, 1);

    view.Invalidate(FALSE);
    view.UpdateWindow();
    EXPECT_EQ(view.nDraws, 1);  // a view's paint is its OnDraw
}

TEST(WindowDrawing, AWindowFindsItsFontUntilTheFontIsDeleted) {
    LOGFONT description;
    description.lfHeight = -11;
    description.lfFaceName = "Sans";
    CFont font;
    ASSERT_TRUE(font.CreateFontIndirect(&description));
    EXPECT_FALSE(font.CreateFontIndirect(&description));  // already holds one

    CWnd window;
    ASSERT_TRUE(window.Create("", "", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    EXPECT_EQ(window.GetFont(), nullptr);
    window.SetFont(&font, TRUE);
    ASSERT_EQ(window.GetFont(), &font);
    EXPECT_EQ(window.GetRedrawCounts().m_iPainted, 1);  // set with immediate redraw

    font.DeleteObject();
    EXPECT_EQ(window.GetFont(), nullptr);
}
