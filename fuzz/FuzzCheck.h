#pragma once

// Property checks inside fuzz targets: a failed check prints what was
// expected and aborts, so libFuzzer keeps the input as a crash artifact.

#include <cstdio>
#include <cstdlib>

namespace vantorel {

#define FUZZ_CHECK(condition)                                                                                          \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);                         \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (false)

} // namespace vantorel
