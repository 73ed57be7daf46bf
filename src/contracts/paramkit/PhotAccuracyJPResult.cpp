#include "contracts/paramkit/PhotAccuracyJPResult.h"

#include "contracts/paramkit/CodeText.h"

using photoquant::detail::sCodeText;

std::string CPhotAccuracyJPResult::sGeDataTitle(int column, int set) const {
    const std::vector<std::string>* pTitles = pDataTitles(set);
    return pTitles != nullptr ? sCodeText(*pTitles, column) : std::string();
}
