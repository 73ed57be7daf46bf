#pragma once
// A combo box: a list of texts and the selected one, shown in the selection field (the window's
// text). A drop-down combo box is sized with the height of its dropped list (at creation, with
// MoveWindow or SetWindowPos); its own window keeps the height of the selection field.
//
// Headless metrics: the selection field is 15 pixels high (GetItemHeight(-1)), an item of the list
// 13 pixels (GetItemHeight(0)).
#include <string>

#include "contracts/framework/Wnd.h"

class PQ_EXPORT CComboBox : public CWnd {
    DECLARE_DYNAMIC(CComboBox)
public:
    CComboBox() = default;

    using CWnd::Create;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Appends, or with CBS_SORT inserts in alphabetical order (letter case ignored); the index.
    int AddString(const std::string& lpszString);
    // nIndex -1 appends; CB_ERR past the end. The selection moves along with its entry.
    int InsertString(int nIndex, const std::string& lpszString);
    // The remaining count, or CB_ERR. Deleting the selected entry clears the selection.
    int DeleteString(UINT nIndex);
    void ResetContent();
    int GetCount() const;

    int GetCurSel() const;
    // Selects without telling anyone. An index outside the list (or -1) clears the selection and
    // answers CB_ERR.
    int SetCurSel(int nSelect);
    // Stands in for the user picking entry nIndex from the list: selects it and, as the control
    // does for a selection the user makes, tells the parent with CBN_SELCHANGE. Answers CB_ERR and
    // sends nothing for an index outside the list.
    int UserSelect(int nIndex);

    // Empty for an index outside the list.
    void GetLBText(int nIndex, std::string& rString) const;
    // -1 for the selection field, else any item; CB_ERR below -1.
    int GetItemHeight(int nIndex) const;
    // The box with its list dropped down, in screen coordinates.
    void GetDroppedControlRect(LPRECT lprect) const;

private:
    bool bHasEntry(int nIndex) const;
};
