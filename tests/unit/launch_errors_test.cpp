#include "core/launcher/launch_errors.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(LaunchErrors, EachListedShellCodeHasItsMessage)
{
    EXPECT_STREQ(LaunchErrorMessage(2), "ファイルが見つかりません");
    EXPECT_STREQ(LaunchErrorMessage(3), "パスが見つかりません");
    EXPECT_STREQ(LaunchErrorMessage(5), "アクセスが拒否されました");
    EXPECT_STREQ(LaunchErrorMessage(8), "メモリが不足しています");
    EXPECT_STREQ(LaunchErrorMessage(26), "開いたファイルは共有できません");
    EXPECT_STREQ(LaunchErrorMessage(27), "ファイルの関連付け情報が不完全です");
    EXPECT_STREQ(LaunchErrorMessage(28), "DDEがタイムアウトしました");
    EXPECT_STREQ(LaunchErrorMessage(29), "DDEが失敗しました");
    EXPECT_STREQ(LaunchErrorMessage(30), "DDEがビジーです");
    EXPECT_STREQ(LaunchErrorMessage(31), "ファイルの関連付けが利用できません");
    EXPECT_STREQ(LaunchErrorMessage(32), "DDLが見つかりません");
}

TEST(LaunchErrors, OtherCodesAreReportedToNobody)
{
    int listed = 0;
    for (long long code = -2; code <= 64; ++code) {
        if (LaunchErrorMessage(code)) ++listed;
    }
    EXPECT_EQ(listed, 11);
    for (long long code : {0LL, 1LL, 4LL, 6LL, 25LL, 33LL, 42LL, 0x100000002LL})
        EXPECT_EQ(LaunchErrorMessage(code), nullptr) << code;
}

}  // namespace
