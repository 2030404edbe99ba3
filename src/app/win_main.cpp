// Entry point: one instance, one frame, one message loop.
#include <windows.h>
#include <commctrl.h>

#include "app/frame.h"
#include "app/panel.h"
#include "app/settings_file.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    if (ActivateRunningInstance()) return 0;

    // The panel's spin controls and the hotkey dialog's control.
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_UPDOWN_CLASS | ICC_HOTKEY_CLASS};
    InitCommonControlsEx(&controls);

    // The panel lives until the loop has ended: a modal loop still on its
    // way out when the frame goes may use it.
    RunOutcome outcome;
    Panel panel(outcome);
    if (!InitInstance(instance, panel)) {
        MessageBoxA(nullptr, "InitInstance@WinMain", "Error", MB_OK);
        return -1;
    }

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    // The rest of the shutdown has run: no window is left hidden and no key
    // held while the player reads this.
    if (outcome.settingsLost) SettingsFile::ReportLost();
    return static_cast<int>(msg.wParam);
}
