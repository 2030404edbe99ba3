#include "win/com_thread.h"

#include <objbase.h>

void InitializeComOnThisThread()
{
    // Called on the window thread only (the pads' icon thread initialises its
    // own): one initialisation is enough there, and counting it up on every
    // shortcut would only pile up references never given back.
    static bool initialized = false;
    if (initialized) return;
    const HRESULT result = CoInitialize(nullptr);
    initialized = SUCCEEDED(result);
}
