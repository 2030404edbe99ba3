#include "core/launcher/launch_errors.h"

namespace {

struct LaunchError {
    long long code;
    const char* message;
};

// The shell's SE_ERR_ codes.
const LaunchError launchErrors[] = {
    {2, "ファイルが見つかりません"},                  // file not found
    {3, "パスが見つかりません"},                      // path not found
    {5, "アクセスが拒否されました"},                  // access denied
    {8, "メモリが不足しています"},                    // out of memory
    {26, "開いたファイルは共有できません"},           // sharing violation
    {27, "ファイルの関連付け情報が不完全です"},       // association incomplete
    {28, "DDEがタイムアウトしました"},
    {29, "DDEが失敗しました"},
    {30, "DDEがビジーです"},
    {31, "ファイルの関連付けが利用できません"},       // no association
    {32, "DDLが見つかりません"},                      // library not found
};

}  // namespace

const char* LaunchErrorMessage(long long code)
{
    for (const LaunchError& error : launchErrors) {
        if (error.code == code) return error.message;
    }
    return nullptr;
}
