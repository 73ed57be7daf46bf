// Registration of the module's resources at load time.
//
// Strings.txt holds one entry a line: the number, a tab, the text. In the text, \t stands for a
// tab, \n for a line feed and \\ for a backslash; lines that start with # are remarks. Each
// DialogNNNN.txt holds the records of dialog template NNNN and is handed to the framework as it
// stands.
#include "resources/ModuleResources.h"

#include <cstdlib>
#include <sstream>

#include "contracts/uikit/ResourceString.h"
#include "resources/ModuleRegistration.h"
#include "resources/ResourceIds.h"

namespace photoquant::detail {

extern const char* const g_szResStrings;
extern const char* const g_szResDialog5001;
extern const char* const g_szResDialog5002;
extern const char* const g_szResDialog6004;

AFX_EXTENSION_MODULE PhotoquantDLL;

}  // namespace photoquant::detail

using namespace photoquant::detail;

namespace {

std::string sUnescaped(const std::string& text) {
    std::string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            result += text[i];
            continue;
        }
        const char next = text[++i];
        result += next == 't' ? '\t' : next == 'n' ? '\n' : next;
    }
    return result;
}

std::map<UINT, std::string> stringTable(const char* data) {
    std::map<UINT, std::string> table;
    std::istringstream lines(data);
    std::string line;
    while (std::getline(lines, line)) {
        const auto tab = line.find('\t');
        if (line.empty() || line[0] == '#' || tab == std::string::npos) {
            continue;
        }
        const auto id = static_cast<UINT>(std::strtoul(line.substr(0, tab).c_str(), nullptr, 10));
        table[id] = sUnescaped(line.substr(tab + 1));
    }
    return table;
}

// The module's instance handle: any address unique to this library will do.
const char g_moduleTag = 0;

__attribute__((constructor)) void vLoadModule() {
    // The module refuses to come up when it cannot get a little local memory.
    void* probe = std::malloc(8192);
    if (probe == nullptr) {
        return;
    }
    std::free(probe);
    AfxInitExtensionModule(PhotoquantDLL, &g_moduleTag);
    CModuleResources resources;
    resources.strings = stringTable(g_szResStrings);
    resources.dialogs = {{photoquant::kInfoDialog, g_szResDialog5001},
                         {photoquant::kInstrumentDialog, g_szResDialog5002},
                         {photoquant::kOptionDialog, g_szResDialog6004}};
    AfxRegisterModuleResources(PhotoquantDLL, std::move(resources));
}

__attribute__((destructor)) void vUnloadModule() {
    AfxTermExtensionModule(PhotoquantDLL);
}

}  // namespace

namespace photoquant {

std::string sModuleString(UINT id) {
    return CResourceString(PhotoquantDLL.hResource, id);
}

std::string sModuleStringOf(UINT firstId, int code, int count) {
    return code >= 0 && code < count ? sModuleString(firstId + static_cast<UINT>(code))
                                     : std::string();
}

}  // namespace photoquant
