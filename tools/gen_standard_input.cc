// gen_standard_input N [SEED] > FILE: a valid input data file of N tests of
// 80 readings in the standard layout, for timing runs.
#include <cstdio>
#include <cstdlib>

#include "standard_input.h"

int main(int argc, char** argv) {
    if (argc < 2 || std::atoi(argv[1]) < 0) {
        std::fprintf(stderr, "usage: gen_standard_input TESTS [SEED] > FILE\n");
        return 2;
    }
    int tests = std::atoi(argv[1]);
    unsigned seed = argc > 2 ? static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10)) : 1u;
    std::string text = dorvane::generate_standard_input(tests, seed);
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() ? 0 : 1;
}
