#include <gtest/gtest.h>

#include <vector>

#include "PagesTestSupport.h"

namespace {

enum : int { kList = 1000, kComment = 1001, kAccessoryLabel = 1005, kAccessory = 1006 };
enum : int { kOperator = 1009, kName = 1027 };

class CountingView : public CView {
public:
    int iUpdates = 0;
    void OnUpdate(CView*, LPARAM, CObject*) override { ++iUpdates; }
};

// Samples named as given with comments "note <name>"; "blank" gets sample number 0.
void vNameSamples(CUVPhotometryData& doc, const std::vector<std::string>& names) {
    for (int s = 0; s < static_cast<int>(names.size()); ++s) {
        doc.vSetSampName(names[s], s);
        doc.vSetComment("note " + names[s], s);
        doc.vSetSampleNo(s, names[s] == "blank" ? 0 : s);
    }
}

std::string sSamples(const CUVPhotometryData& doc) {
    std::string text;
    for (int s = 0; s < doc.iGetNumSamp(); ++s) {
        text += doc.GetSampName(s) + "/" + doc.GetComment(s) + "|";
    }
    return text;
}

// The info page of a document in a host's sheet, with a view of the document listening.
struct InfoSheet {
    CPhotDataInfoProp page;
    CPropertySheet sheet{"Data properties"};
    CountingView view;

    InfoSheet(CUVPhotometryData* pDoc, int iMode) {
        page.vSetProp(pDoc, iMode);
        if (pDoc != nullptr) {
            pDoc->AddView(&view);
        }
        sheet.AddPage(&page);
        EXPECT_TRUE(sheet.Create());
    }
    CComboBox& List() { return *static_cast<CComboBox*>(page.GetDlgItem(kList)); }
    CWnd& Item(int iId) { return *page.GetDlgItem(iId); }
    std::string sText(int iId) {
        std::string text;
        Item(iId).GetWindowText(text);
        return text;
    }
    int iDroppedHeight() {
        CRect rect;
        List().GetDroppedControlRect(&rect);
        return rect.Height();
    }
    bool bApply() { return sheet.PressButton(PSBTN_APPLYNOW) != FALSE; }
};

}  // namespace

TEST(InfoPage, ReplicateRowsInModeOneListNamedSamplesAndApplyWritesOnlyThem) {
    CUVPhotometryData doc(0, 3, 1, 1, 1);
    vNameSamples(doc, {"blank", "A", "B"});
    vGiveInstrument(doc, 5, 1, 1);
    InfoSheet info(&doc, 1);
    CPhotDataInstProp inst;  // the host's other pages, turned through before the edit
    CPhotDataOptProp option;
    inst.vSetProp(&doc);
    option.vSetProp(&doc);
    info.sheet.AddPage(&inst);
    info.sheet.AddPage(&option);
    ASSERT_TRUE(info.sheet.SetActivePage(1) && info.sheet.SetActivePage(2));
    EXPECT_EQ(sListed(option, 1032).substr(0, 15), "--- Sipper ---=");
    const auto* pList = static_cast<const CListCtrl*>(inst.GetDlgItem(1002));
    EXPECT_EQ(pList->GetColumnText(0) + "|" + pList->GetColumnText(1), "Parameter|Value");
    EXPECT_EQ(pList->GetColumnWidth(0), 148);  // list 198 units * 6 / 4 = 297 px; 297 / 2
    EXPECT_EQ(pList->GetColumnWidth(1), 149);
    ASSERT_TRUE(info.sheet.SetActivePage(0));

    EXPECT_EQ(info.List().GetCount(), 2);
    EXPECT_TRUE(info.List().IsWindowEnabled());
    EXPECT_EQ(info.iDroppedHeight(), 54);  // field 15 + (2 names + 1) * 13
    EXPECT_EQ(info.sText(kName), "A");
    EXPECT_FALSE(info.sheet.IsApplyEnabled());  // the page loading its boxes is no edit
    info.Item(kName).SetWindowText("A-2");
    info.List().UserSelect(1);
    EXPECT_EQ(info.sText(kComment), "note B");
    info.Item(kComment).SetWindowText("diluted 1:10");
    ASSERT_TRUE(info.bApply());
    EXPECT_EQ(sSamples(doc), "blank/note blank|A-2/note A|B/diluted 1:10|");
    EXPECT_EQ(info.view.iUpdates, 1);
    std::string entry;
    info.List().GetLBText(0, entry);
    EXPECT_EQ(entry + "," + std::to_string(info.List().GetCurSel()), "A-2,1");
    ASSERT_TRUE(info.bApply());  // nothing edited since: no write, no update
    EXPECT_EQ(info.view.iUpdates, 1);
}

TEST(InfoPage, OneNameModeNamesEverySampleAndAnEmptyPageWritesNothing) {
    CUVPhotometryData doc(0, 3, 1, 1, 1);
    vNameSamples(doc, {"blank", "A", "B"});
    vGiveInstrument(doc, 5, 0, 0);
    InfoSheet info(&doc, 1);
    EXPECT_EQ(info.List().GetCount(), 3);  // without replicate rows blanks are listed too
    EXPECT_FALSE(info.List().IsWindowEnabled());
    info.Item(kName).SetWindowText("Lot 7");
    info.Item(kComment).SetWindowText("pH 7.0");
    ASSERT_TRUE(info.bApply());
    EXPECT_EQ(sSamples(doc), "Lot 7/pH 7.0|Lot 7/pH 7.0|Lot 7/pH 7.0|");
    EXPECT_TRUE(InfoSheet(&doc, 0).List().IsWindowEnabled());  // mode 0 browses each sample

    CUVPhotometryData none(0, 0, 1, 1, 1);
    vGiveInstrument(none, 5, 0, 0);
    for (CUVPhotometryData* pDoc : {&none, static_cast<CUVPhotometryData*>(nullptr)}) {
        InfoSheet empty(pDoc, 1);
        EXPECT_EQ(empty.List().GetCurSel(), CB_ERR);
        empty.Item(kName).SetWindowText("typed anyway");
        ASSERT_TRUE(empty.bApply());
        EXPECT_EQ(empty.List().GetCount() + empty.view.iUpdates, 0);
    }
    EXPECT_EQ(none.GetSampName(0), "");
}

TEST(InfoPage, RunTextsShownAccessoryOnlyWhenNamedLongTextsCut) {
    CUVPhotometryData doc(0, 20, 1, 1, 1);  // no instrument parameters: each sample its own row
    doc.vSetOperator("J. Analyst");
    doc.vSetSampName(std::string(50, 'n'), 0);
    AfxSetDesktopSize(1024, 200);
    InfoSheet plain(&doc, 1);
    AfxSetDesktopSize(1024, 768);
    EXPECT_EQ(plain.iDroppedHeight(), 200);  // 15 + 21 * 13 = 288 would pass the screen
    EXPECT_TRUE(plain.List().IsWindowEnabled());
    EXPECT_EQ(plain.sText(kOperator), "J. Analyst");
    EXPECT_EQ(plain.sText(kName), std::string(40, 'n'));  // the name box takes 40
    EXPECT_FALSE(plain.Item(kAccessoryLabel).IsWindowVisible() ||
                 plain.Item(kAccessory).IsWindowVisible());
    doc.vSetAccessory("Sipper");
    InfoSheet withSipper(&doc, 1);
    EXPECT_TRUE(withSipper.Item(kAccessoryLabel).IsWindowVisible());
    EXPECT_EQ(withSipper.sText(kAccessory), "Sipper");
}
