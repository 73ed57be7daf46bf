#pragma once
// The peaks found on a spectrum, in the order of their apexes. The list does not own its peaks:
// whoever fills it deletes them, by vDeleteAll or one by one.
#include "PhotoquantExport.h"
#include "contracts/framework/Array.h"
#include "contracts/numkit/Peak.h"

class PQ_EXPORT CPeakList : public CTypedPtrArray<CObArray, CPeak*> {
public:
    // Deletes every peak of the list and empties it.
    void vDeleteAll();
};
