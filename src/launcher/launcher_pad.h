// The four launcher pads: static controls of the panel that each hold one
// registered file, show its large icon and start it. A pad object is bound to
// its control through the window property "cAppIconClass", and PadWndProc
// takes over the control's messages before passing each one on.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "core/launcher/pad_record.h"
#include "core/shell/timer_gate.h"

// What a pad needs of the panel it sits on: the timer gate, closed while its
// menu, file dialog or message boxes are open, and someone to tell that a
// start has brought a window to the front.
class PadHost {
public:
    virtual TimerGate& Gate() = 0;
    virtual void ProgramStarted(HWND foreground) = 0;

protected:
    ~PadHost() = default;
};

struct cAppIconClass {
    SHFILEINFOA iconInfo = {};  // the shell's icon, display name and type name; no icon while empty
    // The registered file (code page 932), kept where the panel's model keeps
    // this pad's path; empty: nothing registered.
    std::string* path = &ownPath;
    HWND window = nullptr;          // the pad's static control; null while detached
    WNDPROC previousProc = nullptr;  // the control's own procedure, when it was replaced
    PadHost* host = nullptr;         // none for a pad that sits on no panel
    // The pad shows its file's type icon until the file's own is fetched.
    bool iconFetchPending = false;

    cAppIconClass() = default;
    // A pad still attached when the process ends is detached and its icon
    // given back.
    ~cAppIconClass();
    cAppIconClass(const cAppIconClass&) = delete;
    cAppIconClass& operator=(const cAppIconClass&) = delete;

private:
    std::string ownPath;  // where a pad that no model holds keeps its path
};

#ifndef _WIN64
static_assert(sizeof(SHFILEINFOA) == 352, "the shell's file information record");
#endif

constexpr char PAD_PROPERTY[] = "cAppIconClass";

// The four pads, pad 1 first; they live from the first call until process exit.
cAppIconClass* LauncherPads();

// Binds the pad to the control (false for a null control) and, unless the
// control already runs PadWndProc, installs it and accepts dropped files.
bool AttachPad(cAppIconClass& pad, HWND control);

// Empties the pad, stops the drops, gives the control its own procedure back
// and unbinds it; false when the pad has no control.
bool DetachPad(cAppIconClass& pad);

LRESULT CALLBACK PadWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

bool PadIsRegistered(const cAppIconClass& pad);

// Forgets the registration (path and icon) and repaints the pad at once.
void EmptyPad(cAppIconClass& pad);

// Registers source: a shortcut is followed to its target (shortcut after
// shortcut, SHORTCUT_FOLLOW_LIMIT times at most), and an unresolvable one is
// registered as itself. The pad shows the file's large icon; when the shell
// has none, the pad stays empty after the message "アイコンの取得に失敗しました".
// Returns false, leaving the pad empty, when there is no path to register
// (an empty source, or a shortcut without a file-system target) or the path
// does not fit the pad's buffer; true otherwise.
bool RegisterPadFile(cAppIconClass& pad, const char* source);

// Puts the pad's path (as the model holds it) back on the pad, without
// following shortcuts. A file on a local disk gets its icon at once (none
// when the shell has none for it); any other path (a network path, a
// removable drive, a file that is not there) is not touched: the pad shows
// its type's icon and asks for the file's own later (FetchPendingPadIcons).
// No message is shown; starting a file that is not there reports the error
// as any failed start does. A path that does not fit the pad's buffer
// empties it.
void ReloadPadFile(cAppIconClass& pad);

// Once the window is on screen: the icons that ReloadPadFile left for later
// are fetched away from the user-interface thread, and each pad takes its
// icon when it arrives, if it still holds the same file.
void FetchPendingPadIcons();

// Panel set-up and shutdown: pads 1 to 4 on controls 1135 to 1138, each
// keeping its path in `paths` (the model's) and working with `host`.
void AttachLauncherPads(HWND panel, std::string (&paths)[PAD_COUNT], PadHost& host);
void DetachLauncherPads();
