// The component object library on the user-interface thread, which the
// shell's link object and folder picker need. Initialised on first use and
// kept for the life of the thread.
#pragma once

void InitializeComOnThisThread();
