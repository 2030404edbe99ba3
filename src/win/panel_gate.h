// Closes the panel's timer gate for the life of a modal interaction or a
// long pass (a menu, a dialog, a message box, a file dialog). The gate is the
// panel's: a feature closes and opens it with the panel's own message, sent,
// so that the gate has moved before the call returns.
#pragma once
#include <windows.h>

#include "core/panel/panel_messages.h"

class ScopedPanelGate {
public:
    explicit ScopedPanelGate(HWND panel) : panel_(panel) { SendMessageA(panel_, WMU_TIMERGATE, 0, 0); }
    ~ScopedPanelGate() { SendMessageA(panel_, WMU_TIMERGATE, 1, 0); }
    ScopedPanelGate(const ScopedPanelGate&) = delete;
    ScopedPanelGate& operator=(const ScopedPanelGate&) = delete;

private:
    HWND panel_;
};
