#pragma once
// Codes and records of the common controls (report lists, their header, property sheets), with
// their Windows values.
#include <string>

#include "contracts/framework/WinTypes.h"

// Window class of the report list.
inline constexpr const char* WC_LISTVIEW = "SysListView32";

// List styles: the layout in the low two bits, then single selection and the header's behaviour.
constexpr DWORD LVS_ICON = 0x0000;
constexpr DWORD LVS_REPORT = 0x0001;
constexpr DWORD LVS_SMALLICON = 0x0002;
constexpr DWORD LVS_LIST = 0x0003;
constexpr DWORD LVS_TYPEMASK = 0x0003;
constexpr DWORD LVS_SINGLESEL = 0x0004;
constexpr DWORD LVS_SHOWSELALWAYS = 0x0008;
constexpr DWORD LVS_NOCOLUMNHEADER = 0x4000;
constexpr DWORD LVS_NOSORTHEADER = 0x8000;

// Column alignment.
constexpr int LVCFMT_LEFT = 0x0000;
constexpr int LVCFMT_RIGHT = 0x0001;
constexpr int LVCFMT_CENTER = 0x0002;

// Which fields of a column record are meant.
constexpr UINT LVCF_FMT = 0x0001;
constexpr UINT LVCF_WIDTH = 0x0002;
constexpr UINT LVCF_TEXT = 0x0004;
constexpr UINT LVCF_SUBITEM = 0x0008;

// Which fields of an item are given on insertion.
constexpr UINT LVIF_TEXT = 0x0001;
constexpr UINT LVIF_PARAM = 0x0004;

// A column of a report list.
struct LVCOLUMN {
    UINT mask = 0;
    int fmt = LVCFMT_LEFT;
    int cx = 0;
    std::string pszText;
    int iSubItem = 0;
};

// Header notifications. The first code of the header's range is -300; the begin-track
// notification (the user starts dragging a column divider) comes in a narrow-text and a
// wide-text form, and a Unicode host receives the wide one.
constexpr UINT HDN_FIRST = 0U - 300U;
constexpr UINT HDN_BEGINTRACKA = HDN_FIRST - 6;   // -306
constexpr UINT HDN_BEGINTRACKW = HDN_FIRST - 26;  // -326
constexpr UINT HDN_BEGINTRACK = HDN_BEGINTRACKW;

constexpr UINT HDI_WIDTH = 0x0001;

// A header item as a header notification describes it.
struct HDITEM {
    UINT mask = 0;
    int cxy = 0;
};

// The parameter of a header notification: which item, with which mouse button.
struct NMHEADER {
    NMHDR hdr;
    int iItem;
    int iButton;
    HDITEM* pitem;
};

// A property page as its sheet knows it: the instance whose resources hold its template.
struct PROPSHEETPAGE {
    DWORD dwFlags = 0;
    HINSTANCE hInstance = nullptr;
};

// Buttons of a property sheet.
constexpr int PSBTN_BACK = 0;
constexpr int PSBTN_NEXT = 1;
constexpr int PSBTN_FINISH = 2;
constexpr int PSBTN_OK = 3;
constexpr int PSBTN_APPLYNOW = 4;
constexpr int PSBTN_CANCEL = 5;
constexpr int PSBTN_HELP = 6;
