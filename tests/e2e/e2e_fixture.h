// A fixture that starts the program before each test and checks that no
// program of an earlier test is left.
#pragma once
#include <gtest/gtest.h>

#include "e2e/program_under_test.h"
#include "support/test_window.h"
#include "support/wine_test_support.h"

class ProgramTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(CountProgramFrames(), 0) << "a program from an earlier test is still running";
        ASSERT_TRUE(program_.Start()) << "the program's frame did not appear: " << program_.StartFailure();
        // Wine may hand the focus to the new frame a moment after it shows;
        // a test that takes the foreground before that would lose it again.
        auto since = std::chrono::steady_clock::now();
        HWND last = nullptr;
        WaitUntil([&] {
            HWND now = GetForegroundWindow();
            if (now != last) {
                last = now;
                since = std::chrono::steady_clock::now();
            }
            return std::chrono::steady_clock::now() - since > std::chrono::milliseconds(200);
        }, std::chrono::seconds(3));
    }
    ProgramUnderTest program_;
};

// Waits a short, bounded time for something that must NOT happen.
inline bool StaysTrue(const std::function<bool()>& condition, int milliseconds = 400)
{
    return !WaitUntil([&] { return !condition(); }, std::chrono::milliseconds(milliseconds));
}
