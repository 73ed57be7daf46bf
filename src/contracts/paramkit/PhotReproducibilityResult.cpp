#include "contracts/paramkit/PhotReproducibilityResult.h"

#include "contracts/paramkit/CodeText.h"

using photoquant::detail::sCodeText;

std::string CPhotReproducibilityResult::sGetTitle(int column) const {
    return sCodeText(m_vsTitles, column);
}
