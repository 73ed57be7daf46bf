#include "contracts/paramkit/UVInstrParameters.h"

#include "contracts/paramkit/DataDisplayOptions.h"

std::string CUVInstrParameters::GetAbsUnitText(int) const {
    return CDataDisplayOptions().GetAbsUnit(-1);
}
