#include "launcher/pads.h"

#include "core/model/settings_mapping.h"
#include "launcher/pad_menu.h"
#include "res/resource.h"

namespace {

constexpr int PAD_SIZE = 34;  // pixels: a 32 by 32 icon inside a sunken border

}  // namespace

Pads::Pads(HWND panel, TimerGate& gate, PadsHost& host) : panel_(panel), gate_(gate), host_(host) {}

std::vector<int> Pads::InputCommands() const { return {IDC_PAD1, IDC_PAD2, IDC_PAD3, IDC_PAD4}; }

void Pads::OnCommand(int id, int code)
{
    if (code < PAD_COMMAND_CODE) return;
    ScopedTimerGate closed(gate_);
    RunPadCommand(pads_[id - IDC_PAD1], code - PAD_COMMAND_CODE);
}

void Pads::PadCommand(cAppIconClass& pad, int command)
{
    SendMessageA(panel_, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(pad.window), PAD_COMMAND_CODE + command),
                 reinterpret_cast<LPARAM>(pad.window));
}

void Pads::SetUp()
{
    for (int i = 0; i < PAD_COUNT; ++i) {
        HWND control = GetDlgItem(panel_, IDC_PAD1 + i);
        SetWindowPos(control, nullptr, 0, 0, PAD_SIZE, PAD_SIZE, SWP_NOMOVE | SWP_NOZORDER | SWP_SHOWWINDOW);
        pads_[i].host = this;
        AttachPad(pads_[i], control);
    }
}

void Pads::Save(SettingsValues& values) const
{
    std::string paths[PAD_COUNT];
    for (int i = 0; i < PAD_COUNT; ++i) paths[i] = pads_[i].path;
    StorePads(paths, values);
}

void Pads::Load(const SettingsValues& values)
{
    std::string paths[PAD_COUNT];
    LoadPads(values, paths);
    for (int i = 0; i < PAD_COUNT; ++i) {
        pads_[i].path = paths[i];
        ReloadPadFile(pads_[i]);
    }
}

void Pads::AfterShown() { FetchPendingPadIcons(pads_); }

void Pads::ShutDown()
{
    for (cAppIconClass& pad : pads_) DetachPad(pad);
}
