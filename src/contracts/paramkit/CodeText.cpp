#include "contracts/paramkit/CodeText.h"

namespace photoquant::detail {

std::string sCodeText(const std::vector<std::string>& texts, int code) {
    return code >= 0 && static_cast<size_t>(code) < texts.size() ? texts[static_cast<size_t>(code)]
                                                                 : std::string();
}

}  // namespace photoquant::detail
