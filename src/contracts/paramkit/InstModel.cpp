#include "contracts/paramkit/InstModel.h"

#include <map>
#include <mutex>

namespace {

std::mutex g_namesLock;

std::map<int, std::string>& names() {
    static std::map<int, std::string> table;
    return table;
}

}  // namespace

std::string GetInstModelForSelectType(int selectType, int, int, const std::string& storedModel) {
    if (!storedModel.empty()) {
        return storedModel;
    }
    std::lock_guard<std::mutex> guard(g_namesLock);
    const auto found = names().find(selectType);
    return found != names().end() ? found->second : std::string();
}

void vSetInstModelName(int selectType, const std::string& name) {
    std::lock_guard<std::mutex> guard(g_namesLock);
    names()[selectType] = name;
}
