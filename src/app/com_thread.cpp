#include "app/com_thread.h"

#include <objbase.h>

void InitializeComOnThisThread()
{
    // One initialisation per thread is enough; counting it up on every
    // shortcut would only pile up references that are never given back.
    static thread_local bool initialized = false;
    if (initialized) return;
    const HRESULT result = CoInitialize(nullptr);
    initialized = SUCCEEDED(result);
}
