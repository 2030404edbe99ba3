#include "automation/macro_engine.h"

namespace {
bool macroActive = false;  // the macro timer runs
}

void StopMacro(HWND panel)
{
    (void)panel;
    if (!macroActive) return;
}
