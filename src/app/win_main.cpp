// Entry point: one instance, one frame, one message loop.
#include <windows.h>
#include <commctrl.h>

#include "app/frame.h"
#include "app/panel.h"
#include "app/settings_file.h"

namespace {

// Every text of the program is Shift_JIS (code page 932). On a system whose
// code page for programs that are not Unicode is another one (a Windows of
// another language, or the "UTF-8 for worldwide language support" option),
// they come out garbled: the player is told once, in text that does not
// depend on that code page, and the program runs on.
void TellOfAnotherCodePage()
{
    constexpr UINT JAPANESE = 932;
    if (GetACP() == JAPANESE) return;
    MessageBoxW(nullptr,
                L"このシステムでは、PLOVNIKAR の文字が正しく表示されません。\n"
                L"コントロール パネルの「地域」→「管理」→「システム ロケールの変更」で「日本語 (日本)」を選び、"
                L"「ベータ: ワールドワイド言語サポートで Unicode UTF-8 を使用」のチェックを外して、"
                L"Windows を再起動してください。\n\n"
                L"PLOVNIKAR shows garbled text on this system: its texts are Japanese (code page 932).\n"
                L"In Control Panel, open Region, then Administrative, then \"Change system locale\", choose "
                L"\"Japanese (Japan)\", clear \"Beta: Use Unicode UTF-8 for worldwide language support\", "
                L"and restart Windows.",
                L"PLOVNIKAR", MB_OK | MB_ICONWARNING);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    if (ActivateRunningInstance()) return 0;
    // The component library is initialised on this thread where it is first
    // needed (a pad's icon, a shortcut, the folder picker, the audio
    // devices), not here: nothing before the frame shows needs it when the
    // pads are empty.
    TellOfAnotherCodePage();

    // The panel's spin controls and the hotkey dialog's control.
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_UPDOWN_CLASS | ICC_HOTKEY_CLASS};
    InitCommonControlsEx(&controls);

    // The panel lives until the loop has ended: a modal loop still on its
    // way out when the frame goes may use it.
    RunOutcome outcome;
    Panel panel(outcome);
    if (!InitInstance(instance, panel)) {
        MessageBoxA(nullptr, "InitInstance@WinMain", "Error", MB_OK);
        return -1;
    }

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    // The rest of the shutdown has run: no window is left hidden and no key
    // held while the player reads this.
    if (outcome.settingsLost) SettingsFile::ReportLost();
    return static_cast<int>(msg.wParam);
}
