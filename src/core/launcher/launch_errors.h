// What the user is told when the shell cannot start a registered file: one
// message for each of the shell's error codes that the launcher reports.
#pragma once

// The message for the shell's error code (a value of 32 or less), or null
// for a code that is reported to nobody.
const char* LaunchErrorMessage(long long code);
