#include "contracts/numkit/PeakList.h"

void CPeakList::vDeleteAll() {
    for (INT_PTR i = 0; i < GetSize(); ++i) {
        delete GetAt(i);
    }
    RemoveAll();
}
