#include "contracts/framework/Font.h"

#include <cstdint>
#include <map>
#include <mutex>

IMPLEMENT_DYNAMIC(CFont, CObject)

namespace {

std::mutex g_fontLock;
std::uintptr_t g_nLastHandle = 0;

// Live fonts by handle. Handles are never reused, so a stale one cannot reach a newer font.
std::map<HFONT, CFont*>& liveFonts() {
    static auto* fonts = new std::map<HFONT, CFont*>;
    return *fonts;
}

}  // namespace

CFont::~CFont() {
    DeleteObject();
}

BOOL CFont::CreateFontIndirect(const LOGFONT* lpLogFont) {
    if (m_hObject != nullptr || lpLogFont == nullptr) {
        return FALSE;
    }
    std::lock_guard<std::mutex> guard(g_fontLock);
    m_logFont = *lpLogFont;
    m_hObject = reinterpret_cast<HFONT>(++g_nLastHandle);
    liveFonts()[m_hObject] = this;
    return TRUE;
}

BOOL CFont::DeleteObject() {
    if (m_hObject == nullptr) {
        return FALSE;
    }
    std::lock_guard<std::mutex> guard(g_fontLock);
    liveFonts().erase(m_hObject);
    m_hObject = nullptr;
    return TRUE;
}

int CFont::GetLogFont(LOGFONT* pLogFont) const {
    if (m_hObject == nullptr || pLogFont == nullptr) {
        return 0;
    }
    *pLogFont = m_logFont;
    return 1;
}

CFont* CFont::FromHandle(HFONT hFont) {
    std::lock_guard<std::mutex> guard(g_fontLock);
    const auto found = liveFonts().find(hFont);
    return found != liveFonts().end() ? found->second : nullptr;
}
