// The file "hidden.dat" beside the executable that lists the concealed windows
// and the mute the concealment holds while there are any, so that no crash or
// kill of the program can leave them hidden, or the speaker muted, with no
// way back.
#pragma once
#include "core/conceal/recovery_list.h"

// Writes the state whole (beside the file, then in its place), or removes the
// file when no window is listed or it cannot be written. Failures are
// otherwise silent.
void UpdateRecoveryFile(const RecoveryState& state);

// At start-up: shows every window that a file left by an earlier run lists
// and that still exists, hidden, in the same process, with its show command
// (without waiting for its program); sets the speaker's mute back to its
// state before that run's concealment muted it; then removes the file.
void RestoreStrandedWindows();
