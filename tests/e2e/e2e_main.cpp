// End-to-end tests: the first argument is the built program, which each test
// copies into a temporary folder of its own and starts there.
#include <gtest/gtest.h>

#include "e2e/program_under_test.h"
#include "support/wine_test_support.h"

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: e2e_tests path-to-plovnikar.exe\n");
        return 2;
    }
    ProgramUnderTest::builtProgram = argv[1];
    SettleDesktop();
    return RUN_ALL_TESTS();
}
