// The questions this program asks Windows about other programs' windows and
// processes, the cursor, the keys and the mouse buttons, where Windows 7 to
// 11 answer otherwise than Wine does, in one place. The program asks them
// through a DesktopRules object; the in-process tests hand the panel one
// that answers as Windows does where Wine cannot (each such fake names the
// rule it models and where the rule is written down).
#pragma once
#include <windows.h>
#include <shellapi.h>

class DesktopRules {
public:
    virtual ~DesktopRules() = default;

    // The window manager hides the window from the player although it is
    // visible and titled (a suspended store app, a window on another virtual
    // desktop, one of the shell's input windows): its cloak attribute, from
    // Windows 8 on. False on any error.
    virtual bool Cloaked(HWND window) const;

    // The window belongs to a process of higher integrity than this program
    // (run as administrator while this program is not): Windows drops this
    // program's input to it without an error and does not let it be hidden.
    // A process that cannot even be asked counts as higher.
    virtual bool OfHigherIntegrity(HWND window) const;

    // Shows or hides a window without waiting for its program (see
    // ShowWindowWithoutWaiting). A window of higher integrity is told
    // nothing: Windows drops the command without an error.
    virtual void ShowWithoutWaiting(HWND window, int showCommand) const;

    // The player has swapped the mouse's buttons (the left-handed setting):
    // the buttons of synthetic input, and of the key state, are the physical
    // ones.
    virtual bool ButtonsSwapped() const;

    // The cursor's position; false while the secure desktop (a UAC prompt,
    // the lock screen) is up.
    virtual bool CursorPosition(POINT& point) const;

    // Whether a key or mouse button is down for the whole system, whichever
    // thread has read its messages: a thread's own key state follows only
    // the key messages that thread reads, and the key a repeater presses goes
    // to the game.
    virtual bool KeyDown(int virtualKey) const;

    // A global hotkey for `window`. Windows 7 and later take MOD_NOREPEAT
    // (no WM_HOTKEY for the key's auto-repeat); Vista refuses the flag.
    virtual bool RegisterHotKey(HWND window, int id, UINT modifiers, UINT virtualKey) const;

    // The notification-area icon. Adding fails while the shell is not ready
    // (at logon, before the taskbar is up).
    virtual bool NotifyIcon(DWORD message, NOTIFYICONDATAA& record) const;

    // A popup menu of `owner` at the point, until the player chooses or
    // leaves it; the chosen command is sent to the owner. The menu closes
    // when the player clicks elsewhere only if its owner is the foreground
    // window, and a menu opened from the notification area needs a message
    // after it before the next one opens.
    virtual void TrackPopupMenu(HMENU menu, UINT flags, int x, int y, HWND owner) const;

    // Copies the window's client area, from its own device context, into
    // `target` at (0, 0). A window drawn with Direct3D or OpenGL, or
    // presented in flip model, copies as black this way.
    virtual bool CopyFromWindow(HWND window, HDC target, int width, int height) const;

    // Lets `message` reach `window` from a program of lower integrity (this
    // program run as administrator hears nothing from Explorer otherwise:
    // a dropped file, the shell's restart). Windows 7 and later per window,
    // Vista per process; nothing before.
    virtual void LetThroughFromLowerIntegrity(HWND window, UINT message) const;
};

// The system's own answers.
DesktopRules& SystemDesktop();
