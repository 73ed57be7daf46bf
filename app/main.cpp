#include <iostream>

#include "host/Program.h"

int main(int argc, char** argv) {
    return iRunProgram(argc, argv, std::cout, std::cerr);
}
