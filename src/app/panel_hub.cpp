#include "app/panel_hub.h"

#include "app/app_state.h"
#include "automation/target_window.h"

PanelHub& Hub()
{
    static PanelHub hub;
    return hub;
}

MacroSlots SlotsOf(HWND panel)
{
    return MacroSlots{panel, Model().macros, ::Gate(), Hub()};
}

void PanelHub::MacroStopped(int)
{
    // Every slot is refreshed: one that has just got its first recording
    // becomes playable.
    RestoreMacroControls(SlotsOf(panelWindow));
}

TimerGate& PanelHub::Gate() { return ::Gate(); }

void PanelHub::ProgramStarted(HWND foreground)
{
    SelectTargetWindow(panelWindow, Model().target, foreground);
}
