#pragma once
// A font made from a logical font description. Windows refer to it by its handle; the handle is
// valid from CreateFontIndirect until DeleteObject (or the object's destruction), and a window that
// still holds it afterwards finds no font behind it.
#include "contracts/framework/LogFont.h"
#include "contracts/framework/Object.h"
#include "contracts/framework/WinTypes.h"

class PQ_EXPORT CFont : public CObject {
    DECLARE_DYNAMIC(CFont)
public:
    CFont() = default;
    ~CFont() override;
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;

    // FALSE when this object already holds a font.
    BOOL CreateFontIndirect(const LOGFONT* lpLogFont);
    // FALSE when there was no font to delete.
    BOOL DeleteObject();
    // Copies the description into *pLogFont; 0 when there is no font.
    int GetLogFont(LOGFONT* pLogFont) const;

    HFONT GetSafeHandle() const { return m_hObject; }
    operator HFONT() const { return m_hObject; }

    // The font object behind a handle, or null when the handle is not a live font.
    static CFont* FromHandle(HFONT hFont);

private:
    HFONT m_hObject = nullptr;
    LOGFONT m_logFont;
};
