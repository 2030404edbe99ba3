// Closes the panel's timer gate for the life of a modal interaction, so that
// no click, key or gesture is produced while a dialog, menu or message box of
// the program is open. Every interaction holds one of these; the gate counts
// them (see MoveTimerGate).
#pragma once
#include <windows.h>

#include "app/panel_messages.h"

class ScopedTimerGate {
public:
    explicit ScopedTimerGate(HWND panel) : panel_(panel)
    {
        if (panel_) SendMessageA(panel_, WMU_TIMERGATE, 0, 0);
    }
    ~ScopedTimerGate()
    {
        if (panel_ && IsWindow(panel_)) SendMessageA(panel_, WMU_TIMERGATE, 1, 0);
    }
    ScopedTimerGate(const ScopedTimerGate&) = delete;
    ScopedTimerGate& operator=(const ScopedTimerGate&) = delete;

private:
    HWND panel_;
};
