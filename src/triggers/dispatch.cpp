#include "triggers/dispatch.h"

#include "automation/macro_engine.h"
#include "core/triggers/action_table.h"

void DispatchAction(HWND panel, int hotkeyId)
{
    const int index = FindActionByHotkeyId(hotkeyId);
    if (index < 0) return;
    const ActionDefinition& action = actionDefinitions[index];
    if (action.kind == ActionKind::StopMacro) {
        StopMacro(panel);
        return;
    }
    // Exactly as if the user had clicked the button.
    SendMessageA(panel, WM_COMMAND, MAKEWPARAM(action.commandId, BN_CLICKED), 0);
}
