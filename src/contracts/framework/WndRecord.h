#pragma once
// Inside the library only: the framework's record of one window, which a window handle points to.
// It holds everything a window is (place, style, text, font, drawing state, children) and the
// contents of the standard controls (report list, combo box, edit), so that any object wrapping the
// handle sees the same window. Records are owned by their parent's record; top-level windows by
// the desktop's. A record made from a dialog template has no host object, so it owns one of the
// control's class, which receives its messages until a host object subclasses the control.
#include <memory>
#include <string>
#include <vector>

#include "contracts/framework/Wnd.h"

// Headless metrics of a drop-down combo box: its selection field and the items of its list.
constexpr int kComboFieldHeight = 15;
constexpr int kComboItemHeight = 13;
// Characters an edit control takes before a limit is set.
constexpr UINT kDefaultEditLimit = 32767;

struct CListColumn {
    std::string m_sText;
    int m_iFormat = 0;
    int m_iWidth = 0;
    int m_iSubItem = 0;
};

struct CListItem {
    std::vector<std::string> m_texts;  // by sub-item; sub-item 0 is the item's label
    DWORD_PTR m_dwData = 0;
};

struct CWndRecord {
    std::string m_sClass;
    std::string m_sText;
    DWORD m_dwStyle = 0;
    int m_iID = 0;
    CWndRecord* m_pParent = nullptr;
    CRect m_rect;  // in the parent's client coordinates; in screen coordinates without a parent
    std::vector<std::unique_ptr<CWndRecord>> m_children;
    CWnd* m_pWnd = nullptr;           // receives the messages
    std::unique_ptr<CWnd> m_pOwnWnd;  // the framework's own object for a window no host made
    std::vector<CWnd*> m_attached;    // every object holding this handle
    HFONT m_hFont = nullptr;
    bool m_bRedraw = true;
    bool m_bInvalid = false;
    bool m_bDestroying = false;
    CWnd::CRedrawCounts m_counts;

    // Report list.
    std::vector<CListColumn> m_columns;
    std::vector<CListItem> m_items;
    int m_iTopIndex = 0;
    // Combo box.
    std::vector<std::string> m_comboStrings;
    int m_iCurSel = -1;
    int m_iDroppedHeight = 0;
    // Edit.
    UINT m_nTextLimit = kDefaultEditLimit;

    // A new window under cs.hwndParent (or the desktop); its text is taken as it stands.
    static CWndRecord* pCreate(const CREATESTRUCT& cs);
    static CWndRecord* pDesktop();
    // Sends WM_DESTROY, destroys the children, lets go of every wrapping object and frees the
    // record. The desktop is never destroyed.
    void vDestroy();
    // The framework's own object for this window takes its messages.
    void vAdopt(std::unique_ptr<CWnd> pWnd);

    bool bIsClass(const char* szClass) const;
    CWndRecord* pChild(int iID) const;
    LRESULT lrSend(UINT message, WPARAM wParam, LPARAM lParam);
    // Tells the parent, in a WM_COMMAND, that something happened to this control.
    void vNotifyParent(WORD wCode);

    CPoint ptClientOrigin() const;  // screen position of the client area's top left corner
    void vMove(int x, int y);
    // A drop-down combo box takes the height as that of its dropped list; its own window keeps
    // the height of the selection field.
    void vResize(int cx, int cy);

    // The text of an edit is cut to its limit and its parent hears EN_CHANGE when it changes.
    // A change of text, like any change of a control's content, invalidates the window.
    void vSetText(const std::string& sText);
    void vInvalidate(bool bErase);
};
