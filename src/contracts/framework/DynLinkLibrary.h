#pragma once
// Extension-module registration. A module registers its string table and dialog templates with the
// framework when it is loaded and unregisters them when it is unloaded; look-ups by instance handle
// then find them, and a null handle searches every registered module, the newest first.
#include <map>
#include <string>

#include "PhotoquantExport.h"
#include "contracts/framework/WinTypes.h"

struct PQ_EXPORT AFX_EXTENSION_MODULE {
    BOOL bInitialized = FALSE;
    HINSTANCE hModule = nullptr;
    HINSTANCE hResource = nullptr;
};

// A module's resources: texts and dialog templates (the template's records, as text), by number.
struct PQ_EXPORT CModuleResources {
    std::map<UINT, std::string> strings;
    std::map<UINT, std::string> dialogs;
};

PQ_EXPORT BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HINSTANCE hModule);
PQ_EXPORT void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state);

// Puts the module's resources in the framework's chain of resource modules (the role of the
// framework's dynamic-link-library object); the registration lasts until AfxTermExtensionModule.
PQ_EXPORT void AfxRegisterModuleResources(const AFX_EXTENSION_MODULE& state,
                                          CModuleResources resources);

// Text of string-table entry id; empty when no registered module has it.
PQ_EXPORT std::string AfxLoadString(HINSTANCE hInstance, UINT id);
// Records of dialog template id; empty when no registered module has it.
PQ_EXPORT std::string AfxLoadDialogTemplate(HINSTANCE hInstance, UINT id);
