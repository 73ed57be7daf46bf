#pragma once
// The "Info" page of a photometry document's data properties: the analyst walks through the
// samples, edits each sample's name and comment, and reads who ran the analysis, when, and on
// which instrument and accessory.
//
// The host fills the page from the standards or unknowns document with vSetProp before the sheet
// opens. Edits accumulate in the page's own lists of names and comments while the analyst moves
// from sample to sample; only Apply writes them into the document, and then every view of the
// document is rebuilt.
//
// Listed samples: every document sample in order, except that blanks (sample number 0) are left
// out when the instrument lists one row per replicate (replicate-row flag 1) and the name mode is
// 1. With the flag 0 and a non-zero name mode the run carries one name for all its samples: the
// list cannot be browsed, and Apply gives every sample the name and comment in the boxes.
#include <string>
#include <vector>

#include "PhotoquantExport.h"
#include "contracts/framework/Array.h"
#include "contracts/framework/ComboBox.h"
#include "contracts/framework/Edit.h"
#include "contracts/framework/PropertyPage.h"
#include "contracts/framework/Static.h"

class CUVPhotometryData;

class PQ_EXPORT CPhotDataInfoProp : public CPropertyPage {
    DECLARE_DYNAMIC(CPhotDataInfoProp)
public:
    CPhotDataInfoProp();

    // Takes the listed samples' names and comments and the run and instrument texts from the
    // document (not owned; null leaves the page empty).
    void vSetProp(CUVPhotometryData* pDoc, int iMode);
    // Writes the page's names and comments into the listed samples of the document, then has
    // every view of the document rebuild itself.
    void vGetProp(CUVPhotometryData* pDoc);

    BOOL OnInitDialog() override;
    // Writes the edits back when the name or the comment was changed, and reloads the page from
    // the document. A page without a document or without samples has nothing to write.
    BOOL OnApply() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    void OnSelChangeSampName();
    void OnChangePhotinfoEditsampname();
    // A comment edited alone is an edit too: without it Apply would drop the new comment.
    void OnChangePhotinfoComment();

private:
    std::vector<int> ListedSamples(const CUVPhotometryData& doc) const;
    bool bHasCurrentSample() const;
    // Fills the sample list with the listed names, sized to drop down over all of them, and
    // selects the current sample (the first when there is none yet).
    void vLoadSampleList();
    void vSizeDroppedList();
    void vEnableControls();
    // Every sample takes the same name and comment: one name for the whole run.
    void vShareNameWithAllSamples(const std::string& name, const std::string& comment);

    CStatic m_AccessoryLabel;
    CEdit m_AccessoryBox;
    CEdit m_NameBox;
    CEdit m_CommentBox;
    CComboBox m_SampleList;
    std::string m_sModel;
    std::string m_sROMVersion;
    std::string m_sSerialNumber;
    std::string m_sOperator;
    std::string m_sDateTime;
    std::string m_sAccessory;
    int m_iNameMode = -1;
    int m_bReplRowFlag = 1;
    int m_bModified = 0;
    CUVPhotometryData* m_pDoc = nullptr;
    CStringArray m_saListNames;
    CStringArray m_saComments;
    CStringArray m_saNames;
    int m_iCurSel = -1;
    // The page is putting a sample's texts into the boxes: not an edit of the analyst's.
    bool m_bLoadingBoxes = false;
};
