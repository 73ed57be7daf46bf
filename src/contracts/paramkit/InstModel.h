#pragma once
// The instrument model name to show for a select type, model type and sub-type. The stored model
// text wins when there is one; otherwise the name a host registered for the select type.
#include <string>

#include "PhotoquantExport.h"

PQ_EXPORT std::string GetInstModelForSelectType(int selectType, int modelType, int modelSubType,
                                                const std::string& storedModel);
// Registers the model name shown for a select type when no model text was stored.
PQ_EXPORT void vSetInstModelName(int selectType, const std::string& name);
