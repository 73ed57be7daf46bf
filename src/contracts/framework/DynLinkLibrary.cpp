#include "contracts/framework/DynLinkLibrary.h"

#include <mutex>
#include <vector>

namespace {

struct RegisteredModule {
    HINSTANCE hResource;
    CModuleResources resources;
};

std::mutex g_registryLock;

// Never destroyed: modules unregister at unload, which may come after static destructors ran.
std::vector<RegisteredModule>& registry() {
    static auto* modules = new std::vector<RegisteredModule>;
    return *modules;
}

template <class Table>
std::string sFind(HINSTANCE hInstance, UINT id, Table CModuleResources::*table) {
    std::lock_guard<std::mutex> guard(g_registryLock);
    const auto& modules = registry();
    for (auto it = modules.rbegin(); it != modules.rend(); ++it) {
        if (hInstance != nullptr && it->hResource != hInstance) {
            continue;
        }
        const auto& entries = it->resources.*table;
        const auto found = entries.find(id);
        if (found != entries.end()) {
            return found->second;
        }
    }
    return {};
}

}  // namespace

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HINSTANCE hModule) {
    state.hModule = hModule;
    state.hResource = hModule;
    state.bInitialized = TRUE;
    return TRUE;
}

void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state) {
    std::lock_guard<std::mutex> guard(g_registryLock);
    auto& modules = registry();
    std::erase_if(modules,
                  [&](const RegisteredModule& m) { return m.hResource == state.hResource; });
    state.bInitialized = FALSE;
}

void AfxRegisterModuleResources(const AFX_EXTENSION_MODULE& state, CModuleResources resources) {
    std::lock_guard<std::mutex> guard(g_registryLock);
    registry().push_back({state.hResource, std::move(resources)});
}

std::string AfxLoadString(HINSTANCE hInstance, UINT id) {
    return sFind(hInstance, id, &CModuleResources::strings);
}

std::string AfxLoadDialogTemplate(HINSTANCE hInstance, UINT id) {
    return sFind(hInstance, id, &CModuleResources::dialogs);
}
