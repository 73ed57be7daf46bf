#pragma once
// The modal message box. Headless, it calls a process-wide handler that the host installs; the
// default handler writes the text to standard error and answers IDOK.
#include <functional>
#include <string>

#include "PhotoquantExport.h"
#include "contracts/framework/WinTypes.h"

using MessageBoxHandler = std::function<int(const std::string& text, UINT type)>;

PQ_EXPORT int AfxMessageBox(const std::string& text, UINT nType = MB_OK);
// An empty handler restores the default one.
PQ_EXPORT void AfxSetMessageBoxHandler(MessageBoxHandler handler);
