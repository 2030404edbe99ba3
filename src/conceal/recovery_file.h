// The file "hidden.dat" beside the executable that lists the concealed windows
// while there are any, so that no crash or kill of the program can leave
// them hidden with no way back.
#pragma once

// Writes the current list of concealed windows, or removes the file when the
// list is empty. Failures are silent.
void UpdateRecoveryFile();

// At start-up: shows every window that a file left by an earlier run lists
// and that still exists, hidden, in the same process, with its show command;
// then removes the file.
void RestoreStrandedWindows();
