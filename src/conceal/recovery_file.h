// The file "hidden.dat" beside the executable that lists the concealed windows
// and the devices the concealment muted while there are any, so that no
// crash or kill of the program can leave them hidden, or a device muted, with
// no way back.
#pragma once
#include "core/conceal/recovery_list.h"

// Writes the state whole (beside the file, then in its place), or removes
// the file when the state is empty. Left to the system's cache: a crash of
// the program loses nothing, and after a crash of the system the windows are
// gone anyway. When the new file cannot be moved in (another program holds
// the old one), it stays beside it, and the next start reads both.
void UpdateRecoveryFile(const RecoveryState& state);

// What the files left by an earlier run hold, both read: every window either
// lists, and the newer one's devices (the older one's where the newer has
// none). Empty when there is no file.
RecoveryState ReadRecoveryFiles();
