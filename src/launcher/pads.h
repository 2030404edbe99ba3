// The four launcher pads (IDC_PAD1 to IDC_PAD4): static controls of the
// panel that each hold one registered file, show its large icon and start
// it. One Pads object owns the four. A pad is bound to its control through
// the window property "cAppIconClass", and PadWndProc takes over the
// control's messages, hands each to the pad's Pads object and then passes it
// on to the control. The pad's menu gives back the chosen command, which
// runs at once, as a double click runs "開く". The panel hears of a start
// through WMU_SELECTTARGET, and its gate is closed with WMU_TIMERGATE.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "core/settings/pad_record.h"
#include "launcher/file_dialog_library.h"
#include "win/desktop_rules.h"
#include "win/panel_feature.h"
#include "win/scoped.h"

class Pads;

// Command ids of the pad's menu.
enum PadCommand {
    PAD_UNREGISTER = 1,  // "登録解除"
    PAD_REGISTER = 2,    // "新規登録"
    PAD_INFO = 3,        // "情報"
    PAD_OPEN = 4,        // "開く", also a double-click
    PAD_FOLDER = 5,      // "フォルダ"
};

struct cAppIconClass {
    SHFILEINFOA iconInfo = {};  // the shell's icon, display name and type name; no icon while empty
    // The registered file (code page 932); empty: nothing registered.
    std::string path;
    HWND window = nullptr;           // the pad's static control; null while detached
    WNDPROC previousProc = nullptr;  // the control's own procedure, when it was replaced
    Pads& owner;                     // the pads it belongs to, which run its messages
    // The pad shows its file's type icon until the file's own is fetched.
    bool iconFetchPending = false;

    explicit cAppIconClass(Pads& pads) : owner(pads) {}
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
// and unbinds it; false when the pad has no control. A pad also lets go of
// its control when the control is destroyed.
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

// The menu for the pad as it is now: "開く", "フォルダ", a separator,
// "登録解除", "新規登録", a separator, "情報"; every item but "新規登録" is
// greyed while nothing is registered. The caller destroys it.
HMENU BuildPadMenu(const cAppIconClass& pad);

class Pads final : public PanelFeature {
public:
    explicit Pads(DesktopRules& desktop);

    // The statics' own notifications (a click, a double click) are input:
    // they take the keyboard repeater's step, and the pads leave them alone.
    std::vector<int> InputCommands() const override;
    // TIMER_LAUNCH: whether the started program has shown its window.
    std::vector<UINT_PTR> Timers() const override;
    void OnTimer(UINT_PTR id) override;
    // The pads take over their static controls, 34 pixels square, and take
    // dropped files from Explorer also when this program runs as
    // administrator.
    void SetUp() override;
    void Save(SettingsValues& values) const override;
    // Each pad gets its path back without following shortcuts; only a file
    // on a local disk is looked at now (see AfterShown).
    void Load(const SettingsValues& values) override;
    // The icons Load left for later are fetched away from this thread, and
    // each pad takes its icon when it arrives, if it still holds the file.
    void AfterShown() override;
    // The pads let go of their controls, emptied.
    void ShutDown() override;

private:
    friend struct PanelInternals;  // the in-process tests' view
    friend LRESULT CALLBACK PadWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    // The pad's own handling of a message of its control, before the
    // control's.
    void OnPadMessage(cAppIconClass& pad, UINT message, WPARAM wParam, LPARAM lParam);
    // Runs a command of the pad's menu with the panel's gate closed. Every
    // command but "新規登録" needs a registered file and does nothing on an
    // empty pad; unknown ids do nothing.
    void RunPadCommand(cAppIconClass& pad, int command);
    void ChooseFileToRegister(cAppIconClass& pad);
    // Starts the registered file through the shell in its own folder. When
    // the shell reports one of the listed errors, the player sees its message
    // (owned by the pad, captioned with the path) and then
    // "登録ファイルの起動に失敗しました"; the pad keeps its file.
    void LaunchPadFile(const cAppIconClass& pad);
    // The started program's own first titled window becomes the target, not
    // whatever is in front a moment later (its launcher, a splash screen,
    // another program): it is looked for, without waiting, for about ten
    // seconds. Without a process (a running program took the file) the
    // window in front is taken, as it is when the process ends before it
    // shows one.
    void ProgramLaunched(HANDLE process);
    void SelectTarget(HWND window) const;

    DesktopRules& desktop_;
    ScopedHandle launched_;  // the started program looked at
    DWORD launchedAt_ = 0;
    FileDialogLibrary fileDialog_;
    cAppIconClass pads_[PAD_COUNT];
};
