#include "contracts/framework/Dialog.h"

#include <charconv>
#include <memory>
#include <sstream>
#include <vector>

#include "contracts/framework/ComboBox.h"
#include "contracts/framework/DynLinkLibrary.h"
#include "contracts/framework/Edit.h"
#include "contracts/framework/ListCtrl.h"
#include "contracts/framework/Static.h"
#include "contracts/framework/WndRecord.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

namespace {

// The dialog font's average character in pixels; dialog units are 1/4 of its width and 1/8 of its
// height.
constexpr int kBaseUnitX = 6;
constexpr int kBaseUnitY = 13;

struct DialogItem {
    int iID = 0;
    std::string sClass;
    CRect rect;  // dialog units
    DWORD dwStyle = 0;
    std::string sText;
};

struct DialogTemplate {
    std::string sCaption;
    CRect rect;  // dialog units
    DWORD dwStyle = 0;
    std::vector<DialogItem> items;
};

bool bReadNumber(const std::string& field, int& value, int base = 10) {
    const char* first = field.data();
    const char* last = field.data() + field.size();
    if (base == 16 && field.size() > 2 && field[0] == '0' && (field[1] == 'x' || field[1] == 'X')) {
        first += 2;
    }
    if (base == 16) {
        unsigned int bits = 0;
        const auto [end, error] = std::from_chars(first, last, bits, 16);
        value = static_cast<int>(bits);
        return error == std::errc() && end == last;
    }
    const auto [end, error] = std::from_chars(first, last, value, base);
    return error == std::errc() && end == last;
}

// Reads x, y, width and height from fields[first ...], and the style after them.
bool bReadPlaceAndStyle(const std::vector<std::string>& fields, size_t first, CRect& rect,
                        DWORD& dwStyle) {
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    int style = 0;
    if (!bReadNumber(fields[first], x) || !bReadNumber(fields[first + 1], y) ||
        !bReadNumber(fields[first + 2], cx) || !bReadNumber(fields[first + 3], cy) ||
        !bReadNumber(fields[first + 4], style, 16)) {
        return false;
    }
    rect = CRect(x, y, x + cx, y + cy);
    dwStyle = static_cast<DWORD>(style);
    return true;
}

std::vector<std::string> fieldsOf(const std::string& line) {
    std::vector<std::string> fields;
    std::istringstream in(line);
    std::string field;
    while (std::getline(in, field, '\t')) {
        fields.push_back(field);
    }
    return fields;
}

// The rest of the line from field first on: a control's text may hold tabs.
std::string sRestOf(const std::vector<std::string>& fields, size_t first) {
    std::string rest;
    for (size_t i = first; i < fields.size(); ++i) {
        rest += (i > first ? "\t" : "") + fields[i];
    }
    return rest;
}

// Records: "DIALOG id caption x y w h style" once, then "CONTROL id class x y w h style text"
// per control, tab-separated, styles in hexadecimal; lines starting with # are remarks.
bool bReadTemplate(const std::string& records, DialogTemplate& tmpl) {
    std::istringstream lines(records);
    std::string line;
    bool bHasDialog = false;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.find_first_not_of(" \t") == std::string::npos || line[0] == '#') {
            continue;
        }
        const std::vector<std::string> fields = fieldsOf(line);
        if (fields[0] == "DIALOG" && fields.size() >= 8) {
            tmpl.sCaption = fields[2];
            bHasDialog = bReadPlaceAndStyle(fields, 3, tmpl.rect, tmpl.dwStyle);
            if (!bHasDialog) {
                return false;
            }
        } else if (fields[0] == "CONTROL" && fields.size() >= 8) {
            DialogItem item;
            item.sClass = fields[2];
            item.sText = sRestOf(fields, 8);
            if (!bReadNumber(fields[1], item.iID) ||
                !bReadPlaceAndStyle(fields, 3, item.rect, item.dwStyle)) {
                return false;
            }
            tmpl.items.push_back(std::move(item));
        } else {
            return false;
        }
    }
    return bHasDialog;
}

// Dialog units to pixels, rounded to the nearest pixel.
int iPixels(int nUnits, int nBaseUnit, int nUnitsPerBase) {
    const long long scaled = static_cast<long long>(nUnits) * nBaseUnit;
    const long long half = nUnitsPerBase / 2;
    return static_cast<int>((scaled >= 0 ? scaled + half : scaled - half) / nUnitsPerBase);
}

CRect rectInPixels(const CRect& units) {
    return CRect(iPixels(units.left, kBaseUnitX, 4), iPixels(units.top, kBaseUnitY, 8),
                 iPixels(units.right, kBaseUnitX, 4), iPixels(units.bottom, kBaseUnitY, 8));
}

// The framework's own object for a control made from a template, of the control's class.
std::unique_ptr<CWnd> pControlObject(const CWndRecord& control) {
    if (control.bIsClass("EDIT")) {
        return std::make_unique<CEdit>();
    }
    if (control.bIsClass("COMBOBOX")) {
        return std::make_unique<CComboBox>();
    }
    if (control.bIsClass("STATIC")) {
        return std::make_unique<CStatic>();
    }
    if (control.bIsClass(WC_LISTVIEW)) {
        return std::make_unique<CListCtrl>();
    }
    return std::make_unique<CWnd>();
}

void vCreateControl(const DialogItem& item, HWND hDialog) {
    const CRect place = rectInPixels(item.rect);
    CREATESTRUCT cs;
    cs.lpszClass = item.sClass;
    cs.lpszName = item.sText;
    cs.style = item.dwStyle;
    cs.x = place.left;
    cs.y = place.top;
    cs.cx = place.Width();
    cs.cy = place.Height();
    cs.hwndParent = hDialog;
    cs.hMenu = static_cast<UINT_PTR>(item.iID);
    CWndRecord* pControl = CWndRecord::pCreate(cs);
    pControl->vAdopt(pControlObject(*pControl));
}

}  // namespace

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
    m_nIDTemplate = nIDTemplate;
    return CreateFromTemplate(nullptr, pParentWnd != nullptr ? pParentWnd : m_pParentWnd, 0, 0, "");
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
    if (m_hWnd == nullptr) {
        return FALSE;
    }
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return dx.HasFailed() ? FALSE : TRUE;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message == WM_INITDIALOG) {
        *pResult = OnInitDialog();
        return TRUE;
    }
    return CWnd::OnWndMsg(message, wParam, lParam, pResult);
}

BOOL CDialog::CreateFromTemplate(HINSTANCE hInstance, CWnd* pParentWnd, DWORD dwRemoveStyle,
                                 DWORD dwAddStyle, const std::string& sCaption) {
    DialogTemplate tmpl;
    if (m_hWnd != nullptr ||
        !bReadTemplate(AfxLoadDialogTemplate(hInstance, m_nIDTemplate), tmpl)) {
        return FALSE;
    }
    const DWORD dwStyle = (tmpl.dwStyle & ~dwRemoveStyle) | dwAddStyle;
    const std::string& sTitle = sCaption.empty() ? tmpl.sCaption : sCaption;
    if (!CWnd::Create("#32770", sTitle, dwStyle, rectInPixels(tmpl.rect), pParentWnd, 0)) {
        return FALSE;
    }
    for (const DialogItem& item : tmpl.items) {
        vCreateControl(item, m_hWnd);
    }
    SendMessage(WM_INITDIALOG);
    return TRUE;
}
