// pkfit [FILE]: fits and simulates the text case in FILE or on standard input.
#include "PkCase.h"

#include <fstream>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc > 2) {
        std::cerr << "usage: pkfit [FILE]\n";
        return 2;
    }
    if (argc == 2) {
        std::ifstream file(argv[1]);
        if (!file) {
            std::cerr << "pkfit: cannot open " << argv[1] << "\n";
            return 2;
        }
        return RunPkCaseText(file, std::cout, std::cerr);
    }
    return RunPkCaseText(std::cin, std::cout, std::cerr);
}
