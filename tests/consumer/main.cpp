// A host that finds the installed library and reads one of the module's texts.
#include <iostream>

#include "photoquant.h"

int main() {
    const std::string text = photoquant::sModuleString(photoquant::kPhotometryText);
    std::cout << "photoquant found: " << text << '\n';
    return text == "Photometry" ? 0 : 1;
}
