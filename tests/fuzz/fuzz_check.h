#pragma once
// The harnesses' one assertion: a broken property prints what broke and aborts,
// which libFuzzer reports as a crash and keeps the input.
#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition, what)                                                          \
    do {                                                                                     \
        if (!(condition)) {                                                                  \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, what); \
            std::abort();                                                                    \
        }                                                                                    \
    } while (0)
