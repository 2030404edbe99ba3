#include "app/app_state.h"

HINSTANCE appInstance = nullptr;
HWND frameWindow = nullptr;
HWND panelWindow = nullptr;
bool timersEnabled = true;

namespace {
int timerGateClosers = 0;  // modal interactions under way
}

void MoveTimerGate(bool open)
{
    if (!open) {
        ++timerGateClosers;
    } else if (timerGateClosers > 0) {
        --timerGateClosers;
    }
    timersEnabled = timerGateClosers == 0;
}

const char FRAME_CLASS_NAME[] = "PLOVNIKARClass";
const char FRAME_TITLE[] = "PLOVNIKAR Ver.1.0";
