#include "conceal_fixture.h"

#include <cstring>

#include "core/base/exe_paths.h"
#include "win/module_path.h"
#include "support/test_files.h"
#include "conceal/master_mute.h"
#include "support/wine_test_support.h"

std::vector<ShowEvent> showEvents;
bool probeReadsMute = false;

namespace {

const char PROBE_CLASS[] = "PlovConcealProbe";

LRESULT CALLBACK ProbeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // Every change of visibility passes here, whatever the show command.
    const auto* position = reinterpret_cast<const WINDOWPOS*>(lParam);
    if (message == WM_WINDOWPOSCHANGED && (position->flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW))) {
        ShowEvent event = {window, (position->flags & SWP_SHOWWINDOW) != 0, Gate().IsOpen(), false,
                           -1, ReadRecoveryFile().size()};
        if (probeReadsMute) event.muteRead = ReadDefaultMute(event.mute);
        showEvents.push_back(event);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

ProbeWindow::ProbeWindow(const char* title, int showCommand, DWORD style)
{
    static bool registered = false;
    if (!registered) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = ProbeProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = PROBE_CLASS;
        RegisterClassA(&wc);
        registered = true;
    }
    window_ = CreateWindowExA(0, PROBE_CLASS, title, style, 60, 60, 240, 160, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    if (showCommand != SW_HIDE) ShowWindow(window_, showCommand);
    PumpMessages();
}

ProbeWindow::~ProbeWindow()
{
    if (IsWindow(window_)) DestroyWindow(window_);
    PumpMessages();
}

bool ReadDefaultMute(int& muted)
{
    bool value = false;
    if (!TheDevices().GetMute("", value)) return false;
    muted = value ? 1 : 0;
    return true;
}

bool SetDefaultMute(int muted) { return TheDevices().SetMute("", muted != 0); }

std::vector<StrandedWindow> ReadRecoveryFile()
{
    const std::vector<std::uint8_t> bytes =
        ReadWholeFile(PathBesideExecutable(ModulePath(), "hidden", "dat"));
    return DecodeRecoveryFile(bytes.data(), bytes.size()).windows;
}

std::vector<HWND> RecordedWindows()
{
    std::vector<HWND> windows;
    const std::vector<HiddenWindow>& hidden = TheConcealment().Hidden();
    for (auto it = hidden.rbegin(); it != hidden.rend(); ++it) windows.push_back(it->window);
    return windows;
}

const HiddenWindow* RecordOf(HWND window)
{
    for (const HiddenWindow& h : TheConcealment().Hidden())
        if (h.window == window) return &h;
    return nullptr;
}
