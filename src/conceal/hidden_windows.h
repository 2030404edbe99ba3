// The concealment ("空蝉"): every visible titled top-level window is hidden in
// one pass, with the speaker muted for as long as they stay hidden when the
// "消音" box is ticked, and recorded with its show state so that it can be
// shown again. No window of another program is waited for: hiding and
// showing are posted to it.
#pragma once
#include <windows.h>

#include <vector>

#include "core/model/panel_model.h"
#include "core/shell/timer_gate.h"

struct HiddenWindow {
    HWND window;
    UINT showCommand;  // its show state just before it was hidden
};

// The concealed windows in the order they were found (the top of the Z-order
// first; they are hidden from the bottom up); empty while nothing is
// concealed.
const std::vector<HiddenWindow>& HiddenWindows();
bool AnyWindowsHidden();

// The class of the window that holds the notification icons where they have
// no taskbar (Wine without a desktop); never concealed, like the taskbar.
extern const char STANDALONE_TRAY_CLASS[];

// The command of IDC_CONCEAL, IDM_CONCEAL and its action, with the gate
// closed meanwhile. Windows still concealed from a pass before, and windows
// told to show that have not shown yet (a busy program), are recorded anew
// with the rest. With the box ticked the default output device is muted (or
// stays muted, from a pass before); without it the mutes held from a pass
// before are given back.
void ConcealAllWindows(TimerGate& gate, ConcealState& state);

// Shows every concealed window with its saved show command, from the bottom
// of the Z-order up, empties the list, gives the muted devices their earlier
// state back and brings the window that was in front at the concealment to
// the front again, if it is still there.
void ShowAllHiddenWindows(ConcealState& state);

// One window dealt with from the hidden-window dialog; nothing happens (and
// false comes back) when it is not concealed. The last one gone ends the
// mute.
//
// Shows the window with its saved show command.
bool ShowHiddenWindow(HWND window, ConcealState& state);
// Destroys a window of this thread. A window of another thread cannot be
// destroyed from here: it is shown again and asked to close, so that a window
// that refuses, or asks to save first, is never left hidden without a record.
bool CloseHiddenWindow(HWND window, ConcealState& state);

// At start-up: shows every window that a file left by an earlier run lists
// and that still exists in the same process, with its show command (without
// waiting for its program); gives each device that run muted its earlier
// state back, keeping in `state` (and in the file) those that cannot be
// reached now.
void RestoreStrandedWindows(ConcealState& state);

// Called whenever the whole list is replaced or emptied (a pass, a show-all):
// the hidden-window dialog, while it is open, closes then. Null for none.
void OnHiddenListReplaced(void (*handler)());
