#pragma once
// A static text: a label or a read-only value, shown or hidden as a whole.
#include <string>

#include "contracts/framework/Wnd.h"

class PQ_EXPORT CStatic : public CWnd {
    DECLARE_DYNAMIC(CStatic)
public:
    CStatic() = default;

    using CWnd::Create;
    BOOL Create(const std::string& lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                UINT nID = 0xFFFF);
};
