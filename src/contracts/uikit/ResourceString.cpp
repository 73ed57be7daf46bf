#include "contracts/uikit/ResourceString.h"

#include "contracts/framework/DynLinkLibrary.h"

CResourceString::CResourceString(HINSTANCE hInstance, UINT id)
    : m_sText(AfxLoadString(hInstance, id)) {}
