#pragma once

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

// A promise of the code under test that an input broke. It ends the run as a
// crash does, so the fuzzer keeps the input and its replay fails.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: broken promise: %s\n", __FILE__, __LINE__, #condition);   \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

namespace fuzzing {

// The application object Qt's file and image code expects, for the whole run.
inline void startApplication(int* argc, char*** argv) {
    static QCoreApplication application(*argc, *argv);
}

} // namespace fuzzing
