#pragma once
// A window of the framework, kept headless. Its state (place, style, text, font, children, and the
// contents of the standard controls) lives in memory in the framework's record of the window, which
// the handle m_hWnd points to; a CWnd object wraps a handle. The object that created a window, or
// that subclassed it, receives the window's messages: SendMessage goes through WindowProc, which
// hands each message to its virtual handler (OnCommand, OnNotify, OnMouseActivate, OnContextMenu,
// OnRButtonUp, ...) or to DefWindowProc, so a host drives a window exactly as the window system
// would. A child's rectangle is in its parent's client coordinates, a top-level window's in screen
// coordinates; a window has no non-client area, so its client area is its whole rectangle.
#include <string>

#include "PhotoquantExport.h"
#include "contracts/framework/CmdTarget.h"
#include "contracts/framework/Rect.h"
#include "contracts/framework/WinTypes.h"

class CFont;
class CFrameWnd;

class PQ_EXPORT CWnd : public CCmdTarget {
    DECLARE_DYNAMIC(CWnd)
public:
    // What a window has been asked to draw, so that a host or a test can check that a refresh
    // redraws once instead of at every change.
    struct CRedrawCounts {
        int m_iRedrawOff = 0;    // WM_SETREDRAW switching redrawing off
        int m_iRedrawOn = 0;     // WM_SETREDRAW switching it back on
        int m_iInvalidated = 0;  // invalidations taken while redrawing was on
        int m_iErased = 0;       // of those, the ones that asked to erase the background
        int m_iPainted = 0;      // paints done by UpdateWindow
    };

    CWnd() = default;
    // Destroys the window when this object receives its messages, else only lets go of the handle.
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;

    // Creation: rect is in the parent's client coordinates (screen coordinates without a parent).
    // FALSE when this object already has a window or the parent has none.
    virtual BOOL Create(const std::string& lpszClassName, const std::string& lpszWindowName,
                        DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    // Destroys the window and its children, each receiving WM_DESTROY; every object wrapping one of
    // them is left without a handle.
    virtual BOOL DestroyWindow();

    HWND GetSafeHwnd() const { return m_hWnd; }
    // Wraps a window without receiving its messages.
    BOOL Attach(HWND hWndNew);
    HWND Detach();
    // Wraps a window and receives its messages from now on (as DDX_Control does for dialog items).
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    // The object receiving the window's messages.
    static CWnd* FromHandle(HWND hWnd);
    // The screen: 1024 x 768 pixels unless the host sets another size (AfxSetDesktopSize).
    static CWnd* GetDesktopWindow();

    CWnd* GetParent() const;
    CFrameWnd* GetParentFrame() const;
    CWnd* GetDlgItem(int nID) const;
    int GetDlgCtrlID() const;

    void GetWindowRect(LPRECT lpRect) const;
    void GetClientRect(LPRECT lpRect) const;
    void ClientToScreen(LPPOINT lpPoint) const;
    void ClientToScreen(LPRECT lpRect) const;
    void ScreenToClient(LPPOINT lpPoint) const;
    void ScreenToClient(LPRECT lpRect) const;
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
    // The Z order is not kept: pWndInsertAfter is ignored.
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);

    // The style word, visibility and enabled state included (WS_VISIBLE, WS_DISABLED).
    DWORD GetStyle() const;
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    BOOL ShowWindow(int nCmdShow);
    // Visible when the window and all its parents carry WS_VISIBLE.
    BOOL IsWindowVisible() const;
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsWindowEnabled() const;
    void SetWindowText(const std::string& lpszString);
    void GetWindowText(std::string& rString) const;
    void SetFont(CFont* pFont, BOOL bRedraw = TRUE);
    // Null when no font was set or the font has been deleted since.
    CFont* GetFont() const;

    void SetRedraw(BOOL bRedraw = TRUE);
    // Ignored while redrawing is off, as on the desktop.
    void Invalidate(BOOL bErase = TRUE);
    // Paints the window now when it has been invalidated and redrawing is on.
    void UpdateWindow();
    BOOL IsRedrawEnabled() const;
    const CRedrawCounts& GetRedrawCounts() const;

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

protected:
    friend struct CWndRecord;

    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Hands a message to its handler; FALSE when no handler takes it.
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // WM_COMMAND: the control id in the low word of wParam, the notification code in the high
    // word, the control's handle in lParam. TRUE when handled.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // WM_NOTIFY: lParam points at the NMHDR (or a larger record beginning with one).
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // The handlers below do the default processing unless overridden.
    virtual int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    virtual void OnContextMenu(CWnd* pWnd, CPoint pos);
    virtual void OnRButtonUp(UINT nFlags, CPoint point);
    virtual void OnPaint();
    virtual void OnDestroy();
};

// The same operations on a bare handle.
PQ_EXPORT LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
// GWL_STYLE and GWL_ID; any other index reads 0 and writes nothing.
PQ_EXPORT LONG GetWindowLong(HWND hWnd, int nIndex);
// Returns the previous value.
PQ_EXPORT LONG SetWindowLong(HWND hWnd, int nIndex, LONG dwNewLong);
// The size of the screen, for hosts and tests that need another than 1024 x 768.
PQ_EXPORT void AfxSetDesktopSize(int cx, int cy);
