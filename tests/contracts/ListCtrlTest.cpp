#include <gtest/gtest.h>

#include "contracts/framework/Document.h"
#include "contracts/framework/Font.h"
#include "contracts/framework/ListView.h"
#include "contracts/framework/TextMeasure.h"

namespace {

class ListFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(list.Create(WS_POPUP | LVS_REPORT, CRect(0, 0, 400, 100), nullptr, 0));
    }
    CListCtrl list;
};

// A list view that counts the updates it receives from its document.
class CountingListView : public CListView {
    DECLARE_DYNCREATE(CountingListView)
public:
    int nUpdates = 0;
    void OnUpdate(CView*, LPARAM, CObject*) override { ++nUpdates; }
};

IMPLEMENT_DYNCREATE(CountingListView, CListView)

}  // namespace

TEST_F(ListFixture, ColumnsKeepTextFormatAndWidth) {
    EXPECT_EQ(list.InsertColumn(0, "Std No. / Name", LVCFMT_LEFT, 126), 0);
    EXPECT_EQ(list.InsertColumn(5, "Conc(%)", LVCFMT_RIGHT, 63), 1);  // past the end: appended
    EXPECT_EQ(list.InsertColumn(1, "Repl No.", LVCFMT_CENTER), 1);
    EXPECT_EQ(list.InsertColumn(-1, "none"), -1);
    ASSERT_EQ(list.GetColumnCount(), 3);
    EXPECT_EQ(list.GetColumnWidth(1), 0);  // inserted without a width
    EXPECT_FALSE(list.SetColumnWidth(3, 10));
    EXPECT_EQ(list.GetColumnText(3), "");
    EXPECT_EQ(list.GetColumnFormat(3), -1);

    EXPECT_TRUE(list.DeleteColumn(0));
    EXPECT_EQ(list.GetColumnText(0), "Repl No.");
}

TEST_F(ListFixture, ItemsKeepTextsPerSubItemAndTheirData) {
    list.InsertColumn(0, "Std No. / Name");
    list.InsertColumn(1, "Conc(%)");
    list.SetItemCount(40);
    EXPECT_EQ(list.GetItemCount(), 0);  // room only

    EXPECT_EQ(list.InsertItem(0, "1 STD-A"), 0);
    EXPECT_EQ(list.InsertItem(9, "            "), 1);  // past the end: appended
    EXPECT_EQ(list.InsertItem(LVIF_TEXT | LVIF_PARAM, 0, "BLK blank", 0, 0, 0, 12), 0);
    EXPECT_EQ(list.InsertItem(-1, "none"), -1);
    ASSERT_EQ(list.GetItemCount(), 3);
    EXPECT_EQ(list.GetItemData(0), 12u);
    EXPECT_EQ(list.GetItemText(1, 0), "1 STD-A");

    EXPECT_TRUE(list.SetItemText(1, 1, "12.345"));
    EXPECT_FALSE(list.SetItemText(1, 2, "no such column"));
    EXPECT_FALSE(list.SetItemText(3, 0, "no such row"));
    EXPECT_EQ(list.GetItemText(1, 2), "");
}

TEST_F(ListFixture, TextWidthIsSixPixelsPerCharacterUnlessTheHostMeasures) {
    EXPECT_EQ(list.GetStringWidth("Conc"), 24);          // 4 characters
    EXPECT_EQ(list.GetStringWidth("\xC2\xB5g/ml"), 30);  // micro sign + 4: 5 code points
    EXPECT_EQ(list.GetStringWidth("\xE6\xBF\x83\xE5\xBA\xA6"), 12);  // 2 code points, 6 bytes

    LOGFONT description;
    description.lfHeight = -11;
    CFont font;
    font.CreateFontIndirect(&description);
    list.SetFont(&font);
    AfxSetTextMeasure([](const LOGFONT& lf, const std::string& text) {
        return static_cast<int>(text.size()) * -lf.lfHeight;
    });
    EXPECT_EQ(list.GetStringWidth("Conc"), 44);  // the list's font reaches the measure: 4 * 11
    AfxSetTextMeasure(nullptr);
    EXPECT_EQ(list.GetStringWidth("Conc"), 24);
}

TEST_F(ListFixture, EnsureVisibleScrollsTheFewestRows) {
    for (int i = 0; i < 20; ++i) {
        list.InsertItem(i, "row");
    }
    EXPECT_EQ(list.GetCountPerPage(), 5);  // 100 / 16 = 6 rows, less one for the header
    EXPECT_TRUE(list.EnsureVisible(10, FALSE));
    EXPECT_EQ(list.GetTopIndex(), 6);  // 10 is the last of rows 6 to 10
    list.EnsureVisible(8, FALSE);
    EXPECT_EQ(list.GetTopIndex(), 6);
    list.EnsureVisible(2, FALSE);
    EXPECT_EQ(list.GetTopIndex(), 2);
    EXPECT_FALSE(list.EnsureVisible(20, FALSE));
}

TEST(ListView, IsCreatedDynamicallyAndIsItsOwnListControl) {
    CObject* pObject = RUNTIME_CLASS(CountingListView)->CreateObject();
    ASSERT_NE(pObject, nullptr);
    ASSERT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CListView)));
    auto* pView = static_cast<CountingListView*>(pObject);

    CWnd frame;
    ASSERT_TRUE(frame.Create("", "", WS_POPUP, CRect(0, 0, 301, 200), nullptr, 0));
    ASSERT_TRUE(pView->Create("", "", LVS_REPORT, CRect(0, 0, 301, 200), &frame, 1));
    CListCtrl& list = pView->GetListCtrl();
    EXPECT_EQ(list.m_hWnd, pView->m_hWnd);  // one window, one style word
    EXPECT_EQ(list.GetStyle(), WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT);

    CDocument document;
    document.AddView(pView);
    EXPECT_EQ(pView->GetDocument(), &document);
    pView->OnInitialUpdate();
    document.UpdateAllViews(nullptr);
    EXPECT_EQ(pView->nUpdates, 2);

    delete pView;
    EXPECT_EQ(document.GetViewCount(), 0);
    EXPECT_EQ(frame.GetDlgItem(1), nullptr);  // its window went with it
}
