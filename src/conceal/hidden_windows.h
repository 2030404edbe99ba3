// The concealment ("空蝉"): every visible titled top-level window is hidden in
// one pass, with the speaker muted for as long as they stay hidden when the
// panel's "消音" box is ticked, and recorded with its show state so that it
// can be shown again. No window of another program is waited for: hiding and
// showing are posted to it.
#pragma once
#include <windows.h>

struct HiddenWindowRecord {
    HWND window;
    WINDOWPLACEMENT placement;  // as it was just before hiding; only showCmd is used
    HiddenWindowRecord* next;   // the record added before this one
};

// Newest record first. Records come zero-filled from the process heap.
extern HiddenWindowRecord* hiddenWindows;

// The class of the window that holds the notification icons where they have
// no taskbar (Wine without a desktop); never concealed, like the taskbar.
extern const char STANDALONE_TRAY_CLASS[];

// The command of button 1014, tray item 40007 and action 3. With the box
// ticked the speaker is muted (or stays muted, from a pass before); without
// it a mute still held from a pass before is given back.
void ConcealAllWindows(HWND panel);

// Shows what an earlier pass hid, then records every eligible window from the
// top of the Z-order down, writes the recovery file once and hides them.
void HideAllWindows();

// Enumeration callback of HideAllWindows: records `window` when it is
// visible (or being shown again from the pass before), has a title and is
// neither the desktop nor the taskbar. Never stops the enumeration.
BOOL CALLBACK HideWindowIfEligible(HWND window, LPARAM pass);

// Shows every recorded window with its saved show command, newest record
// first (so in the reverse order of hiding), empties the list and gives the
// speaker its earlier state back. An open hidden-window dialog closes first:
// its lines refer to these records.
void ShowAllHiddenWindows();

bool AnyWindowsHidden();

// One record dealt with from the hidden-window dialog. Each unlinks and frees
// `record` before it touches the window, and does nothing (returning false)
// when `record` is not in the list. The last record gone ends the mute.
//
// Shows the window with its saved show command.
bool ShowHiddenWindow(HiddenWindowRecord* record);
// Destroys a window of this thread. A window of another thread cannot be
// destroyed from here: it is shown again and asked to close, so that a window
// that refuses, or asks to save first, is never left hidden without a record.
bool CloseHiddenWindow(HiddenWindowRecord* record);
