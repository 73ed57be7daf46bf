#pragma once
// A dialog made from a template in a module's resources. The template's records (see
// AfxLoadDialogTemplate) give the dialog's caption, place, size and style and one control per
// CONTROL record, in dialog units: a horizontal unit is a quarter and a vertical unit an eighth of
// the dialog font's average character, 6 x 13 pixels headless. Creating the dialog creates its
// controls, then sends WM_INITDIALOG (OnInitDialog); the controls belong to the dialog window, and
// DDX_Control binds members to them.
#include <string>

#include "contracts/framework/DataExchange.h"
#include "contracts/framework/Wnd.h"

class PQ_EXPORT CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog() = default;
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr)
        : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

    using CWnd::Create;
    // Opens the dialog without a modal loop, from template nIDTemplate of the newest registered
    // module that has it, under pParentWnd (or the parent given at construction). FALSE when there
    // is no such template or it cannot be read.
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    // Runs the data exchange in the direction asked; FALSE when it failed.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    // Loads the controls from the members. Answers TRUE: the framework sets the focus.
    virtual BOOL OnInitDialog();

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    // Makes the window and its controls from this dialog's template in hInstance's resources (any
    // registered module when null), with the template's style less dwRemoveStyle plus dwAddStyle,
    // and the template's caption unless sCaption is given.
    BOOL CreateFromTemplate(HINSTANCE hInstance, CWnd* pParentWnd, DWORD dwRemoveStyle,
                            DWORD dwAddStyle, const std::string& sCaption);

private:
    UINT m_nIDTemplate = 0;
    CWnd* m_pParentWnd = nullptr;
};
