#include "contracts/paramkit/DataDisplayOptions.h"

#include <mutex>

namespace {
std::mutex g_optionsLock;
}  // namespace

CDataDisplayOptions& CDataDisplayOptions::current() {
    static CDataDisplayOptions options{FactoryDefaults{}};
    return options;
}

CDataDisplayOptions::CDataDisplayOptions() {
    std::lock_guard<std::mutex> guard(g_optionsLock);
    *this = current();
}

void CDataDisplayOptions::vSetCurrent(const CDataDisplayOptions& options) {
    std::lock_guard<std::mutex> guard(g_optionsLock);
    current() = options;
}

std::string CDataDisplayOptions::GetAbsUnit(int) const {
    return m_sAbsUnit;
}
