// Private messages of the main panel and its numbered timers.
#pragma once

constexpr unsigned WMU_TIMERGATE = 0x401;       // wParam 0 closes the gate, non-zero opens it
constexpr unsigned WMU_TRAYNOTIFY = 0x402;      // tray icon callback, lParam the mouse message
constexpr unsigned WMU_UPDATETRAYICON = 0x403;  // choose the tray icon from the repeaters
constexpr unsigned WMU_MACROSTOPPED = 0x464;    // wParam the slot whose operation ended
constexpr unsigned WMU_SELECTTARGET = 0x467;    // wParam the window to select as target
constexpr unsigned WMU_FRAMESHOWN = 0x468;      // the frame is on screen and painted

constexpr unsigned TIMER_LEFTCLICK = 1;
constexpr unsigned TIMER_RIGHTCLICK = 2;
constexpr unsigned TIMER_GESTURE = 3;
constexpr unsigned TIMER_KEYREPEAT = 4;
// The macro timer runs with a callback of its own, so its ticks bypass the
// panel's WM_TIMER routing and its gate.
constexpr unsigned TIMER_MACRO = 5;
// While windows of other programs have been told to show and may not have
// shown yet: the concealment looks whether they have.
constexpr unsigned TIMER_SHOWS = 6;
// While the tray icon waits for the shell to take it (at logon).
constexpr unsigned TIMER_TRAY_ADD = 7;
// While a program a pad started has not shown its window yet.
constexpr unsigned TIMER_LAUNCH = 8;
// While windows are concealed with "消音": output devices that appear are
// muted too.
constexpr unsigned TIMER_DEVICES = 9;
