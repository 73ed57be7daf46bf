#include "lists/ParameterValueColumns.h"

#include "resources/ModuleResources.h"
#include "resources/ResourceIds.h"

namespace photoquant::detail {

void vInsertParameterValueColumns(CListCtrl& list, int iClientWidth) {
    const int iHalf = iClientWidth / 2;
    const int iFirst = list.GetColumnCount();
    list.InsertColumn(iFirst, sModuleString(kParameterHeader), LVCFMT_LEFT, iHalf, iFirst);
    list.InsertColumn(iFirst + 1, sModuleString(kValueHeader), LVCFMT_LEFT, iClientWidth - iHalf,
                      iFirst + 1);
}

}  // namespace photoquant::detail
