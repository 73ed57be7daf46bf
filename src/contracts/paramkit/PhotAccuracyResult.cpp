#include "contracts/paramkit/PhotAccuracyResult.h"

#include "contracts/paramkit/CodeText.h"

using photoquant::detail::sCodeText;

std::string CPhotAccuracyResult::sGetTitle(int column) const {
    return sCodeText(m_vsTitles, column);
}
