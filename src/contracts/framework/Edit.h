#pragma once
// An edit box. Its text is the window text; a text longer than the box's limit is cut to the limit
// (counted in characters, UTF-8 code points), and every change of the text tells the parent with
// EN_CHANGE in a WM_COMMAND, whether the user typed it or the program set it.
#include "contracts/framework/Wnd.h"

class PQ_EXPORT CEdit : public CWnd {
    DECLARE_DYNAMIC(CEdit)
public:
    CEdit() = default;

    using CWnd::Create;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // 0 sets the largest limit there is. The text already in the box stays as it is.
    void LimitText(int nChars = 0);
    void SetLimitText(UINT nMax);
    UINT GetLimitText() const;
};
