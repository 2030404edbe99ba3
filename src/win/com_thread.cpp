#include "win/com_thread.h"

#include <objbase.h>

void InitializeComOnThisThread()
{
    // One initialisation is enough (the program has one thread); counting it
    // up on every shortcut would only pile up references never given back.
    static bool initialized = false;
    if (initialized) return;
    const HRESULT result = CoInitialize(nullptr);
    initialized = SUCCEEDED(result);
}
