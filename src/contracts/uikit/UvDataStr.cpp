#include "contracts/uikit/UvDataStr.h"

#include <cstdio>

std::string UVDATASTR(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.6g", value);
    return text;
}
