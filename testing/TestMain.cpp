// The main of every GoogleTest program.

#include <gtest/gtest.h>

#ifdef _WIN32
#include "testing/StackOverflowExit.h"
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
    EndProcessOnStackOverflow();
#endif
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
