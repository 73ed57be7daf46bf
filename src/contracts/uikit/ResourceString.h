#pragma once
// The text of one string-table entry of a module, usable wherever a string is. An unknown id gives
// an empty text.
#include <string>

#include "PhotoquantExport.h"
#include "contracts/framework/WinTypes.h"

class PQ_EXPORT CResourceString {
public:
    CResourceString(HINSTANCE hInstance, UINT id);

    operator const std::string&() const { return m_sText; }
    const std::string& str() const { return m_sText; }

private:
    std::string m_sText;
};
