#include "app/panel_features.h"

#include <algorithm>

#include "res/resource.h"

namespace {

// What each action of the table does: the command of its button, sent to the
// panel as the button would send it. The forced stop has no button.
const int actionCommands[ACTION_COUNT] = {
    IDC_LEFT_TOGGLE,    IDC_RIGHT_TOGGLE,   IDC_CONCEAL,        IDC_CAPTURE, IDC_MACRO1_EXECUTE,
    IDC_MACRO2_EXECUTE, IDC_MACRO3_EXECUTE, 0 /* forced stop */, IDM_SHOW_HIDE,
};

}  // namespace

Panel::Features::Features(HWND panelWindow, TimerGate& gate, DesktopRules& desktopRules)
    : concealment(panelWindow, gate, desktopRules, *this),
      macros(panelWindow, gate, desktopRules, *this),
      left(panelWindow, desktopRules, ClickSide::Left),
      right(panelWindow, desktopRules, ClickSide::Right),
      keys(panelWindow, desktopRules),
      target(panelWindow, desktopRules),
      triggers(panelWindow, gate, desktopRules, *this),
      capture(panelWindow, gate, desktopRules),
      pads(panelWindow, desktopRules),
      tray(panelWindow, gate, desktopRules, *this),
      frame(panelWindow),
      order{&concealment, &macros, &left, &right, &keys, &target, &triggers, &capture, &pads, &tray, &frame},
      panel(panelWindow),
      desktop(desktopRules)
{
}

void Panel::Features::CommandRan(const PanelFeature* owner)
{
    if (owner == &left || owner == &right) RepeatersChanged();
}

void Panel::Features::RepeatersChanged() { tray.ShowRepeaters(left.On(), right.On()); }

void Panel::Features::TicksStopped()
{
    left.LetGo();
    right.LetGo();
}

void Panel::Features::SendingTo(HWND front)
{
    if (front == lastFront_) return;
    lastFront_ = front;
    if (std::find(toldElevated_.begin(), toldElevated_.end(), front) != toldElevated_.end() ||
        !desktop.OfHigherIntegrity(front))
        return;
    toldElevated_.push_back(front);
    char title[128] = "";
    GetWindowTextA(front, title, sizeof title);
    tray.ShowBalloon("PLOVNIKAR",
                     std::string("「") + title +
                         "」は管理者として実行されているため、クリックやキーが届きません。"
                         "PLOVNIKAR も管理者として実行してください。");
}

void Panel::Features::CouldNotHide(const std::string& titles)
{
    tray.ShowBalloon("PLOVNIKAR", "管理者として実行されているため、隠せなかったウィンドがあります。"
                                  "PLOVNIKAR も管理者として実行すると隠せます。" +
                                      titles);
}

void Panel::Features::RepeatersWaiting()
{
    TicksStopped();
    keys.LetGo();
}

// While every window is concealed nothing is sent, and while the hotkey
// dialog is open the forced stop's hotkey is released.
bool Panel::Features::MacroMayStart() { return !concealment.Active() && !triggers.EditingHotkey(); }

// A macro takes the mouse: a button a repeater holds down between two ticks
// would turn the playback into a drag.
void Panel::Features::MacroStarting() { TicksStopped(); }

// The forced stop's hotkey is about to go with the others: a running macro
// ends now, as the forced stop would end it.
void Panel::Features::ReleasingHotkeys() { macros.Stop(); }

// The slot's F-key and gesture buttons are usable only while it has a
// recording and no macro runs.
void Panel::Features::SlotActionsUsable(int slot, bool usable)
{
    constexpr int FIRST_SLOT_ACTION = 4;
    triggers.EnableActionButtons(FIRST_SLOT_ACTION + slot, usable);
}

TrayMenuState Panel::Features::MenuState()
{
    TrayMenuState state;
    state.leftOn = left.On();
    state.rightOn = right.On();
    const bool macroMayStart = MacroMayStart();
    for (int slot = 0; slot < MACRO_SLOT_COUNT; ++slot)
        state.slotEnabled[slot] = macroMayStart && macros.SlotEnabled(slot);
    for (int i = 0; i < KEY_COUNT; ++i) state.keysHeld[i] = keys.Held(i);
    state.concealed = concealment.Active();
    state.frameVisible = frame.Visible();
    return state;
}

// While windows are concealed the frame stays with them.
void Panel::Features::IconDoubleClicked()
{
    if (!concealment.Active()) frame.Show();
}

// Nothing is sent while the windows are concealed: the held keys go up now
// (the gate lets go of the buttons) and down again after; a macro ends as
// the forced stop would end it.
void Panel::Features::Concealing()
{
    macros.Stop();
    keys.LetGo();
}

void Panel::Features::RunAction(int index)
{
    if (actionDefinitions[index].kind == ActionKind::StopMacro) {
        macros.Stop();
        return;
    }
    // Exactly as if the player had clicked the button.
    SendMessageA(panel, WM_COMMAND, MAKEWPARAM(actionCommands[index], BN_CLICKED), 0);
}
