// What the panel tells the features it runs, and hears back from them: the
// end of a macro operation, a program a pad has started, the gate a pad
// closes while it runs a modal loop.
#pragma once
#include <windows.h>

#include "automation/macro_engine.h"
#include "automation/macro_slots.h"
#include "launcher/launcher_pad.h"

class PanelHub : public MacroObserver, public PadHost {
public:
    void MacroStopped(int slot) override;
    TimerGate& Gate() override;
    void ProgramStarted(HWND foreground) override;
};

PanelHub& Hub();

// The macro slots of the panel, as the slot commands work with them.
MacroSlots SlotsOf(HWND panel);
