#include "pages/PhotDataInfoProp.h"

#include <algorithm>

#include "document/QuantitationCodes.h"
#include "document/UVPhotometryData.h"
#include "resources/ModuleRegistration.h"
#include "resources/ResourceIds.h"

IMPLEMENT_DYNAMIC(CPhotDataInfoProp, CPropertyPage)

using namespace photoquant;
using namespace photoquant::detail;

namespace {

constexpr int kNameLimit = 40;
constexpr int kCommentLimit = 255;

// Without instrument parameters each sample keeps a row, and so a name, of its own: the safe
// reading, since the other would give every sample the same name on Apply.
constexpr int kOneRowPerReplicate = 1;

}  // namespace

CPhotDataInfoProp::CPhotDataInfoProp() : CPropertyPage(kInfoDialog) {
    m_psp.hInstance = PhotoquantDLL.hResource;
}

void CPhotDataInfoProp::vSetProp(CUVPhotometryData* pDoc, int iMode) {
    m_pDoc = pDoc;
    m_iNameMode = iMode;
    m_saListNames.RemoveAll();
    m_saComments.RemoveAll();
    m_saNames.RemoveAll();
    if (pDoc == nullptr) {
        m_sModel = m_sROMVersion = m_sSerialNumber = m_sOperator = m_sDateTime = m_sAccessory = "";
        m_bReplRowFlag = kOneRowPerReplicate;
        return;
    }
    const CUVInstrParameters* pInst = pDoc->pGetInstParam();
    m_bReplRowFlag = pInst != nullptr ? pInst->m_bReplRowFlag : kOneRowPerReplicate;
    for (int s : ListedSamples(*pDoc)) {
        m_saListNames.Add(pDoc->GetSampName(s));
        m_saComments.Add(pDoc->GetComment(s));
        m_saNames.Add(pDoc->GetSampName(s));
    }
    m_sModel = pDoc->GetInstModelForSelectType();
    m_sROMVersion = pDoc->GetInstROMVersion();
    m_sSerialNumber = pDoc->GetInstSerialNumb();
    m_sOperator = pDoc->GetOperator();
    m_sDateTime = pDoc->GetDateTime(0, 0);
    m_sAccessory = pDoc->GetAccessory();
}

void CPhotDataInfoProp::vGetProp(CUVPhotometryData* pDoc) {
    if (pDoc == nullptr) {
        return;
    }
    const std::vector<int> listed = ListedSamples(*pDoc);
    const size_t nEdited = std::min(listed.size(), static_cast<size_t>(m_saNames.GetSize()));
    for (size_t k = 0; k < nEdited; ++k) {
        const auto index = static_cast<INT_PTR>(k);
        pDoc->vSetComment(m_saComments[index], listed[k]);
        pDoc->vSetSampName(m_saNames[index], listed[k]);
    }
    pDoc->UpdateAllViews(nullptr, 0, nullptr);
}

BOOL CPhotDataInfoProp::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    vLoadSampleList();
    UpdateData(FALSE);
    vEnableControls();
    return TRUE;
}

BOOL CPhotDataInfoProp::OnApply() {
    if (m_pDoc == nullptr || !bHasCurrentSample()) {
        return CPropertyPage::OnApply();
    }
    std::string name;
    std::string comment;
    m_NameBox.GetWindowText(name);
    m_CommentBox.GetWindowText(comment);
    m_SampleList.DeleteString(static_cast<UINT>(m_iCurSel));
    m_SampleList.InsertString(m_iCurSel, name);
    if (m_bReplRowFlag == 0 && m_iNameMode != 0) {
        vShareNameWithAllSamples(name, comment);
    }
    if (m_bModified) {
        vGetProp(m_pDoc);
        vSetProp(m_pDoc, m_iNameMode);
        vLoadSampleList();
        UpdateData(FALSE);
        vEnableControls();
        SetModified(FALSE);
        m_bModified = 0;
    }
    m_SampleList.SetCurSel(m_iCurSel);
    return CPropertyPage::OnApply();
}

void CPhotDataInfoProp::DoDataExchange(CDataExchange* pDX) {
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, kInfoAccessoryLabel, m_AccessoryLabel);
    DDX_Control(pDX, kInfoAccessoryBox, m_AccessoryBox);
    DDX_Control(pDX, kInfoNameBox, m_NameBox);
    DDX_Control(pDX, kInfoCommentBox, m_CommentBox);
    DDX_Control(pDX, kInfoSampleList, m_SampleList);
    DDX_Text(pDX, kInfoModel, m_sModel);
    DDX_Text(pDX, kInfoROMVersion, m_sROMVersion);
    DDX_Text(pDX, kInfoSerialNumber, m_sSerialNumber);
    DDX_Text(pDX, kInfoOperator, m_sOperator);
    DDX_Text(pDX, kInfoDateTime, m_sDateTime);
    DDX_Text(pDX, kInfoAccessoryBox, m_sAccessory);
    m_CommentBox.LimitText(kCommentLimit);
    m_NameBox.LimitText(kNameLimit);
    if (!bHasCurrentSample()) {
        return;
    }
    std::string& comment = m_saComments[m_iCurSel];
    std::string& name = m_saNames[m_iCurSel];
    if (pDX->m_bSaveAndValidate) {
        DDX_Text(pDX, kInfoCommentBox, comment);
        DDX_Text(pDX, kInfoNameBox, name);
        return;
    }
    // Loading cuts a text longer than its box to the box's limit; the array keeps it whole until
    // the boxes are saved again.
    m_bLoadingBoxes = true;
    DDX_Text(pDX, kInfoCommentBox, comment);
    DDX_Text(pDX, kInfoNameBox, name);
    m_bLoadingBoxes = false;
}

BOOL CPhotDataInfoProp::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int nID = LOWORD(wParam);
    const WORD wCode = HIWORD(wParam);
    if (nID == kInfoSampleList && wCode == CBN_SELCHANGE) {
        OnSelChangeSampName();
        return TRUE;
    }
    if (wCode == EN_CHANGE && !m_bLoadingBoxes) {
        if (nID == kInfoNameBox) {
            OnChangePhotinfoEditsampname();
            return TRUE;
        }
        if (nID == kInfoCommentBox) {
            OnChangePhotinfoComment();
            return TRUE;
        }
    }
    return CPropertyPage::OnCommand(wParam, lParam);
}

void CPhotDataInfoProp::OnSelChangeSampName() {
    UpdateData(TRUE);
    m_iCurSel = m_SampleList.GetCurSel();
    UpdateData(FALSE);
}

void CPhotDataInfoProp::OnChangePhotinfoEditsampname() {
    SetModified(TRUE);
    m_bModified = 1;
}

void CPhotDataInfoProp::OnChangePhotinfoComment() {
    SetModified(TRUE);
    m_bModified = 1;
}

std::vector<int> CPhotDataInfoProp::ListedSamples(const CUVPhotometryData& doc) const {
    const bool bSkipBlanks = m_bReplRowFlag == 1 && m_iNameMode == 1;
    std::vector<int> listed;
    for (int s = 0; s < doc.iGetNumSamp(); ++s) {
        if (!bSkipBlanks || doc.iGetSampleNo(s) != kBlankSampleNo) {
            listed.push_back(s);
        }
    }
    return listed;
}

bool CPhotDataInfoProp::bHasCurrentSample() const {
    return m_iCurSel >= 0 && m_iCurSel < m_saNames.GetSize() && m_iCurSel < m_saComments.GetSize();
}

void CPhotDataInfoProp::vLoadSampleList() {
    m_SampleList.ResetContent();
    for (INT_PTR k = 0; k < m_saListNames.GetSize(); ++k) {
        m_SampleList.AddString(m_saListNames[k]);
    }
    vSizeDroppedList();
    const int nNames = m_SampleList.GetCount();
    if (m_iCurSel >= nNames || (m_iCurSel < 0 && nNames > 0)) {
        m_iCurSel = nNames > 0 ? 0 : -1;
    }
    m_SampleList.SetCurSel(m_iCurSel);
}

// The dropped list shows every name and one empty line below them, but never reaches past the
// screen's height.
void CPhotDataInfoProp::vSizeDroppedList() {
    CRect place;
    m_SampleList.GetWindowRect(&place);
    ScreenToClient(&place);
    CRect screen;
    GetDesktopWindow()->GetWindowRect(&screen);
    const int nItems = m_SampleList.GetCount() + 1;
    const int nHeight = std::min(
        m_SampleList.GetItemHeight(-1) + nItems * m_SampleList.GetItemHeight(0), screen.Height());
    m_SampleList.MoveWindow(place.left, place.top, place.Width(), nHeight);
}

void CPhotDataInfoProp::vEnableControls() {
    const bool bBrowsable =
        m_SampleList.GetCount() >= 2 && (m_bReplRowFlag != 0 || m_iNameMode == 0);
    m_SampleList.EnableWindow(bBrowsable ? TRUE : FALSE);
    const int nShow = m_sAccessory.empty() ? SW_HIDE : SW_SHOW;
    m_AccessoryLabel.ShowWindow(nShow);
    m_AccessoryBox.ShowWindow(nShow);
}

void CPhotDataInfoProp::vShareNameWithAllSamples(const std::string& name,
                                                 const std::string& comment) {
    for (INT_PTR s = 0; s < m_pDoc->iGetNumSamp(); ++s) {
        m_saNames.SetAtGrow(s, name);
        m_saComments.SetAtGrow(s, comment);
    }
}
