#include "automation/key_repeater.h"

#include "core/panel/colors.h"
#include "core/panel/panel_messages.h"
#include "res/resource.h"
#include "win/dialog_controls.h"

namespace {

// As a real keyboard sends it: the arrows and the editing keys with the
// extended flag, or a game that reads scan codes takes them for the numeric
// pad's.
void SendKeyEvent(const KeyDefinition& key, bool up)
{
    const auto scan = static_cast<BYTE>(MapVirtualKeyA(key.virtualKey, 0));
    const DWORD flags = (up ? KEYEVENTF_KEYUP : 0) | (key.extended ? KEYEVENTF_EXTENDEDKEY : 0);
    keybd_event(key.virtualKey, scan, flags, 0);
}

}  // namespace

KeyRepeater::KeyRepeater(DesktopRules& desktop) : desktop_(desktop) {}

std::vector<int> KeyRepeater::RoutedCommands() const
{
    std::vector<int> ids = {IDC_KEY_INTERVAL, IDC_KEY_INTERVAL_SPIN};
    for (const KeyDefinition& key : keyTable) ids.push_back(key.controlId);
    return ids;
}

void KeyRepeater::OnCommand(int id, int)
{
    if (id != IDC_KEY_INTERVAL && id != IDC_KEY_INTERVAL_SPIN) {
        Step(id);
        return;
    }
    state_.interval = GetDlgItemInt(panel_, IDC_KEY_INTERVAL, nullptr, FALSE);
    KillTimer(panel_, TIMER_KEYREPEAT);
    RestartTimerIfAnyKeyHeld();
}

std::vector<UINT_PTR> KeyRepeater::Timers() const { return {TIMER_KEYREPEAT}; }

void KeyRepeater::OnTimer(UINT_PTR)
{
    if (state_.letGo) {
        state_.letGo = false;
        for (int i = 0; i < KEY_COUNT; ++i) {
            if (state_.held[i]) SendKeyEvent(keyTable[i], false);
        }
        return;
    }
    // Table order: a held modifier's key-down comes before the other keys'.
    for (int i = 0; i < KEY_COUNT; ++i) {
        if (!state_.held[i]) continue;
        // Still down for the system (whichever thread read the key: after a
        // pause the game's, not this program's), or let go by someone else.
        if (desktop_.KeyDown(keyTable[i].virtualKey)) {
            SendKeyEvent(keyTable[i], false);
        } else {
            SendKeyEvent(keyTable[i], true);
            SetHeld(i, false);
        }
    }
}

bool KeyRepeater::FaceOf(int controlId, COLORREF& face) const
{
    const int key = KeyIndexOfControl(controlId);
    if (key < 0) return false;
    face = state_.held[key] ? COLOR_ON : COLOR_OFF;
    return true;
}

void KeyRepeater::ShowInTray(TrayState& tray) const
{
    for (int i = 0; i < KEY_COUNT; ++i) {
        if (state_.held[i]) tray.Check(keyTable[i].controlId, true);
    }
}

void KeyRepeater::SetUp()
{
    SetUpSpin(panel_, IDC_KEY_INTERVAL_SPIN, IDC_KEY_INTERVAL, 1, 65535, state_.interval);
}

void KeyRepeater::Save(SettingsValues& values) const { StoreKeyRepeat(state_, values); }

void KeyRepeater::Load(const SettingsValues& values)
{
    LoadKeyRepeat(values, state_);
    SetDlgItemInt(panel_, IDC_KEY_INTERVAL, state_.interval, FALSE);
}

void KeyRepeater::LeaveNothingBehind()
{
    for (int i = KEY_COUNT - 1; i >= 0; --i) {
        if (!state_.held[i]) continue;
        if (!state_.letGo) SendKeyEvent(keyTable[i], true);
        SetHeld(i, false);
    }
    state_.letGo = false;
}

void KeyRepeater::Step(int commandId)
{
    KillTimer(panel_, TIMER_KEYREPEAT);
    const int index = KeyIndexOfControl(commandId);
    if (index >= 0) {
        // The first key-down goes out at once, to whatever has the focus;
        // while the keys are let go for a pause, only the state changes.
        const bool hold = !state_.held[index];
        if (!state_.letGo) SendKeyEvent(keyTable[index], !hold);
        SetHeld(index, hold);
        if (!state_.AnyHeld()) state_.letGo = false;
    }
    RestartTimerIfAnyKeyHeld();
}

void KeyRepeater::LetGo()
{
    if (state_.letGo) return;
    for (int i = KEY_COUNT - 1; i >= 0; --i) {
        if (state_.held[i]) SendKeyEvent(keyTable[i], true);
    }
    state_.letGo = true;
}

// The key's button repaints in its new state's colour.
void KeyRepeater::SetHeld(int index, bool held)
{
    state_.held[index] = held;
    InvalidateRect(GetDlgItem(panel_, keyTable[index].controlId), nullptr, FALSE);
}

void KeyRepeater::RestartTimerIfAnyKeyHeld()
{
    if (state_.AnyHeld()) SetTimer(panel_, TIMER_KEYREPEAT, state_.interval, nullptr);
}
