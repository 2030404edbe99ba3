#include "app/app_state.h"

HINSTANCE appInstance = nullptr;
HWND frameWindow = nullptr;
HWND panelWindow = nullptr;

const char FRAME_CLASS_NAME[] = "PLOVNIKARClass";
const char FRAME_TITLE[] = "PLOVNIKAR Ver.1.0";

PanelModel& Model()
{
    static PanelModel model;
    return model;
}

TimerGate& Gate()
{
    static TimerGate gate;
    return gate;
}
