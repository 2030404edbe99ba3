// The four launcher pads: static controls of the panel that each hold one
// registered file, show its large icon and start it. A pad object is bound to
// its control through the window property "cAppIconClass", and PadWndProc
// takes over the control's messages before passing each one on.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "core/settings/pad_record.h"
#include "core/panel/timer_gate.h"

class FileDialogLibrary;

// What a pad needs of the pads it belongs to: the timer gate, closed while
// its menu, file dialog or message boxes are open; someone to hand the
// process a start has made (null when a running program took the file),
// which becomes the owner of the handle; the file dialog; and where its
// commands (its menu's, a double click's) go, to come back to RunPadCommand.
class PadHost {
public:
    virtual TimerGate& Gate() = 0;
    virtual void ProgramLaunched(HANDLE process) = 0;
    virtual FileDialogLibrary& FileDialog() = 0;
    virtual void PadCommand(struct cAppIconClass& pad, int command) = 0;

protected:
    ~PadHost() = default;
};

struct cAppIconClass {
    SHFILEINFOA iconInfo = {};  // the shell's icon, display name and type name; no icon while empty
    // The registered file (code page 932); empty: nothing registered.
    std::string path;
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
};

#ifndef _WIN64
static_assert(sizeof(SHFILEINFOA) == 352, "the shell's file information record");
#endif

constexpr char PAD_PROPERTY[] = "cAppIconClass";

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

// Puts the pad's path back on the pad, without following shortcuts. A file on
// a local disk gets its icon at once (none when the shell has none for it);
// any other path (a network path, a removable drive, a file that is not
// there) is not touched: the pad shows its type's icon and asks for the
// file's own later (FetchPendingPadIcon). No message is shown; starting a
// file that is not there reports the error as any failed start does. A path
// that does not fit the pad's buffer empties it.
void ReloadPadFile(cAppIconClass& pad);

// Once the window is on screen: the icons that ReloadPadFile left for later
// are fetched away from the user-interface thread, and each pad takes its
// icon when it arrives, if it still holds the same file.
void FetchPendingPadIcons(cAppIconClass (&pads)[PAD_COUNT]);
