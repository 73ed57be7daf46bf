#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "contracts/framework/ComboBox.h"
#include "contracts/framework/DynLinkLibrary.h"
#include "contracts/framework/Edit.h"
#include "contracts/framework/ListCtrl.h"
#include "contracts/framework/PropertySheet.h"
#include "contracts/framework/Static.h"

namespace {

constexpr UINT kNamesPage = 9001;
constexpr UINT kNotesPage = 9002;
constexpr UINT kNotesCaption = 9100;
constexpr int kSampleList = 2000;
constexpr int kNameBox = 2001;
constexpr int kOperator = 2002;
constexpr int kReportList = 2003;
constexpr int kNotesBox = 2100;

const char* const kNamesTemplate =
    "# a page of sample names\n"
    "DIALOG\t9001\tNames\t0\t0\t200\t120\t0x48C00040\n"
    "CONTROL\t2000\tCOMBOBOX\t10\t10\t100\t60\t0x50210003\t\n"
    "CONTROL\t2001\tEDIT\t10\t30\t100\t12\t0x50810080\t\n"
    "CONTROL\t2002\tSTATIC\t10\t50\t100\t8\t0x50000080\t\n"
    "CONTROL\t-1\tSTATIC\t120\t50\t60\t8\t0x50000000\tOperator:\n"
    "CONTROL\t2003\tSysListView32\t10\t70\t180\t40\t0x50818005\t\n";
const char* const kNotesTemplate =
    "DIALOG\t9002\tNotes\t0\t0\t240\t100\t0x48C00040\r\n"
    "CONTROL\t2100\tEDIT\t5\t5\t230\t90\t0x50A10044\t\r\n";

AFX_EXTENSION_MODULE g_testModule;
const char g_testModuleTag = 0;

class DialogFixture : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        AfxInitExtensionModule(g_testModule, &g_testModuleTag);
        CModuleResources resources;
        resources.strings = {{kNotesCaption, "Sample notes"}};
        resources.dialogs = {{kNamesPage, kNamesTemplate}, {kNotesPage, kNotesTemplate}};
        AfxRegisterModuleResources(g_testModule, std::move(resources));
    }
    static void TearDownTestSuite() { AfxTermExtensionModule(g_testModule); }
};

// A page that keeps a log of what the framework asks of it.
class LoggingPage : public CPropertyPage {
public:
    LoggingPage(UINT nIDTemplate, UINT nIDCaption) : CPropertyPage(nIDTemplate, nIDCaption) {
        m_psp.hInstance = g_testModule.hResource;
    }

    std::vector<std::string> log;
    BOOL bRefuseToLeave = FALSE;

    BOOL OnSetActive() override {
        log.push_back("set active");
        return CPropertyPage::OnSetActive();
    }
    BOOL OnKillActive() override {
        log.push_back("kill active");
        return bRefuseToLeave ? FALSE : CPropertyPage::OnKillActive();
    }
    BOOL OnApply() override {
        log.push_back("apply");
        return CPropertyPage::OnApply();
    }
};

class NamesPage : public LoggingPage {
public:
    NamesPage() : LoggingPage(kNamesPage, 0) {}

    CComboBox m_sampleList;
    CEdit m_nameBox;
    CStatic m_operator;
    std::string m_sName = "STD-A";
    std::string m_sOperator = "analyst 7";
    std::string m_sNameAtApply;
    std::vector<std::pair<int, int>> commands;  // control id, notification code
    BOOL bAskForMissingControl = FALSE;

    BOOL OnInitDialog() override {
        CPropertyPage::OnInitDialog();
        for (const char* name : {"STD-A", "STD-B", "STD-C"}) {
            m_sampleList.AddString(name);
        }
        m_sampleList.SetCurSel(0);
        log.push_back("init");
        return TRUE;
    }
    BOOL OnApply() override {
        m_sNameAtApply = m_sName;
        return LoggingPage::OnApply();
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, kSampleList, m_sampleList);
        DDX_Control(pDX, kNameBox, m_nameBox);
        DDX_Control(pDX, kOperator, m_operator);
        m_nameBox.LimitText(10);
        DDX_Text(pDX, kNameBox, m_sName);
        DDX_Text(pDX, kOperator, m_sOperator);
        if (bAskForMissingControl) {
            std::string unused;
            DDX_Text(pDX, 4242, unused);
        }
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        commands.emplace_back(LOWORD(wParam), HIWORD(wParam));
        EXPECT_EQ(reinterpret_cast<HWND>(lParam), GetDlgItem(LOWORD(wParam))->m_hWnd);
        if (LOWORD(wParam) == kNameBox && HIWORD(wParam) == EN_CHANGE) {
            SetModified();
        }
        return TRUE;
    }
};

class NotesPage : public LoggingPage {
public:
    NotesPage() : LoggingPage(kNotesPage, kNotesCaption) {}
};

}  // namespace

TEST_F(DialogFixture, APageIsBuiltFromItsTemplateWhenTheSheetFirstShowsIt) {
    NamesPage names;
    NotesPage notes;
    CPropertySheet sheet("Data properties");
    sheet.AddPage(&names);
    sheet.AddPage(&notes);
    ASSERT_TRUE(sheet.Create());
    ASSERT_NE(names.m_hWnd, nullptr);
    EXPECT_EQ(notes.m_hWnd, nullptr);  // not shown yet
    EXPECT_EQ(names.log, (std::vector<std::string>{"init", "set active"}));

    std::string text;
    names.GetWindowText(text);
    EXPECT_EQ(text, "Names");
    EXPECT_EQ(names.GetStyle() & (WS_CAPTION | WS_DISABLED | WS_CHILD), WS_CHILD);
    EXPECT_TRUE(names.IsWindowVisible());

    EXPECT_EQ(names.GetDlgItem(kNameBox), &names.m_nameBox);  // bound by DDX_Control
    CRect rect;
    names.m_nameBox.GetWindowRect(&rect);
    EXPECT_EQ(rect, CRect(15, 49, 165, 68));  // 10, 30, 110, 42 units at 6/4 and 13/8, rounded
    CWnd* pLabel = names.GetDlgItem(-1);
    ASSERT_TRUE(pLabel != nullptr && pLabel->IsKindOf(RUNTIME_CLASS(CStatic)));
    pLabel->GetWindowText(text);
    EXPECT_EQ(text, "Operator:");
    EXPECT_TRUE(names.GetDlgItem(kReportList)->IsKindOf(RUNTIME_CLASS(CListCtrl)));

    sheet.GetClientRect(&rect);
    EXPECT_EQ(rect, CRect(0, 0, 300, 195));  // the page: 200 x 120 units
    ASSERT_TRUE(sheet.SetActivePage(1));
    notes.GetWindowText(text);
    EXPECT_EQ(text, "Sample notes");  // the caption from the string table
    EXPECT_FALSE(names.IsWindowVisible());
    sheet.GetClientRect(&rect);
    EXPECT_EQ(rect, CRect(0, 0, 360, 195));  // grown to the wider page, 240 units

    CDialog missing(4711);
    EXPECT_FALSE(missing.Create(4711));
}

TEST_F(DialogFixture, DataExchangeLoadsAndSavesTheControls) {
    NamesPage names;
    CPropertySheet sheet;
    sheet.AddPage(&names);
    ASSERT_TRUE(sheet.Create());

    std::string text;
    names.m_nameBox.GetWindowText(text);
    EXPECT_EQ(text, "STD-A");
    names.m_operator.GetWindowText(text);
    EXPECT_EQ(text, "analyst 7");

    names.m_nameBox.SetWindowText("Blank 2");
    EXPECT_TRUE(names.UpdateData(TRUE));
    EXPECT_EQ(names.m_sName, "Blank 2");

    names.m_sName = "A very long sample name";
    EXPECT_TRUE(names.UpdateData(FALSE));
    names.m_nameBox.GetWindowText(text);
    EXPECT_EQ(text, "A very lon");  // cut to the limit of 10

    names.m_nameBox.SetWindowText(
        "\xCE\xB1\xCE\xB2\xCE\xB3\xCE\xB4\xCE\xB5\xCE\xB6"
        "\xCE\xB7\xCE\xB8\xCE\xB9\xCE\xBA\xCE\xBB");
    names.m_nameBox.GetWindowText(text);
    EXPECT_EQ(text.size(), 20u);  // 10 Greek letters of 2 bytes: cut between characters

    names.bAskForMissingControl = TRUE;
    EXPECT_FALSE(names.UpdateData(TRUE));
}

TEST_F(DialogFixture, ControlNotificationsReachThePageThroughOnCommand) {
    NamesPage names;
    CPropertySheet sheet;
    sheet.AddPage(&names);
    ASSERT_TRUE(sheet.Create());
    // Loading the name box in OnInitDialog changed its text, which the page heard.
    EXPECT_EQ(names.commands, (std::vector<std::pair<int, int>>{{kNameBox, EN_CHANGE}}));
    names.SetModified(FALSE);
    EXPECT_FALSE(sheet.IsApplyEnabled());
    names.commands.clear();

    names.m_nameBox.SetWindowText("STD-B");
    names.m_nameBox.SetWindowText("STD-B");  // no change, no notification
    names.m_sampleList.SetCurSel(2);         // selecting by program tells nobody
    EXPECT_EQ(names.m_sampleList.UserSelect(1), 1);
    EXPECT_EQ(names.m_sampleList.UserSelect(3), CB_ERR);
    EXPECT_EQ(names.commands, (std::vector<std::pair<int, int>>{{kNameBox, EN_CHANGE},
                                                                {kSampleList, CBN_SELCHANGE}}));
    EXPECT_TRUE(names.IsModified());
    EXPECT_TRUE(sheet.IsApplyEnabled());
    std::string text;
    names.m_sampleList.GetWindowText(text);
    EXPECT_EQ(text, "STD-B");  // the selection field shows the selected entry
}

TEST_F(DialogFixture, ApplySavesTheActivePageThenAppliesEveryCreatedPage) {
    NamesPage names;
    NotesPage notes;
    CPropertySheet sheet;
    sheet.AddPage(&names);
    sheet.AddPage(&notes);
    ASSERT_TRUE(sheet.Create());
    names.log.clear();

    names.m_nameBox.SetWindowText("STD-C");
    EXPECT_EQ(names.m_sName, "STD-A");  // not saved before the page is left or applied
    ASSERT_TRUE(sheet.PressButton(PSBTN_APPLYNOW));
    EXPECT_EQ(names.m_sNameAtApply, "STD-C");
    EXPECT_EQ(names.log, (std::vector<std::string>{"kill active", "apply", "set active"}));
    EXPECT_TRUE(notes.log.empty());  // never created, never applied
    EXPECT_FALSE(sheet.IsApplyEnabled());

    ASSERT_TRUE(sheet.SetActivePage(&notes));
    names.log.clear();
    notes.log.clear();
    ASSERT_TRUE(sheet.PressButton(PSBTN_APPLYNOW));
    EXPECT_EQ(names.log, (std::vector<std::string>{"apply"}));
    EXPECT_EQ(notes.log, (std::vector<std::string>{"kill active", "apply", "set active"}));

    notes.bRefuseToLeave = TRUE;
    names.log.clear();
    EXPECT_FALSE(sheet.PressButton(PSBTN_APPLYNOW));
    EXPECT_FALSE(sheet.SetActivePage(0));
    EXPECT_TRUE(names.log.empty());
    EXPECT_EQ(sheet.GetActivePage(), &notes);
    EXPECT_FALSE(sheet.PressButton(PSBTN_OK));
}

TEST(ComboBox, SelectionFollowsItsEntryThroughInsertsAndDeletes) {
    CWnd page;
    ASSERT_TRUE(page.Create("", "", WS_POPUP | WS_VISIBLE, CRect(100, 100, 400, 300), nullptr, 0));
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | CBS_DROPDOWNLIST, CRect(10, 10, 160, 110), &page, 1000));
    EXPECT_EQ(combo.AddString("STD-B"), 0);
    EXPECT_EQ(combo.AddString("STD-C"), 1);
    EXPECT_EQ(combo.InsertString(0, "STD-A"), 0);
    EXPECT_EQ(combo.InsertString(4, "past the end"), CB_ERR);
    combo.SetCurSel(1);
    EXPECT_EQ(combo.InsertString(-1, "STD-D"), 3);
    EXPECT_EQ(combo.DeleteString(0), 3);  // three remain
    EXPECT_EQ(combo.GetCurSel(), 0);      // STD-B moved up with its entry
    std::string text;
    combo.GetLBText(2, text);
    EXPECT_EQ(text, "STD-D");
    EXPECT_EQ(combo.DeleteString(0), 2);
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);  // the selected entry is gone
    EXPECT_EQ(combo.SetCurSel(5), CB_ERR);
    CRect rect;
    combo.GetWindowRect(&rect);
    EXPECT_EQ(rect, CRect(110, 110, 260, 125));  // the selection field: 15 high
}
