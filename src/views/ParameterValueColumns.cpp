#include "views/ParameterValueColumns.h"

#include "resources/ModuleResources.h"

namespace {
constexpr UINT kParameterHeader = 14;
constexpr UINT kValueHeader = 15;
}  // namespace

void vInsertParameterValueColumns(CListCtrl& list, int iClientWidth) {
    const int iHalf = iClientWidth / 2;
    const int iFirst = list.GetColumnCount();
    list.InsertColumn(iFirst, sModuleString(kParameterHeader), LVCFMT_LEFT, iHalf, iFirst);
    list.InsertColumn(iFirst + 1, sModuleString(kValueHeader), LVCFMT_LEFT, iClientWidth - iHalf,
                      iFirst + 1);
}
