#include "app/app_state.h"

HINSTANCE appInstance = nullptr;
HWND frameWindow = nullptr;
HWND panelWindow = nullptr;
bool timersEnabled = true;

const char FRAME_CLASS_NAME[] = "PLOVNIKARClass";
const char FRAME_TITLE[] = "PLOVNIKAR Ver.1.0";
