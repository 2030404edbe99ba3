#include "launcher/launcher_pad.h"

#include <cstring>
#include <string>

#include <memory>
#include <optional>

#include "launcher/pad_icons.h"
#include "launcher/pad_menu.h"
#include "launcher/shortcut.h"
#include "core/launcher/shortcut_name.h"
#include "res/resource.h"
#include "win/com_thread.h"

namespace {

void RepaintNow(HWND window)
{
    if (!window) return;
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
}

void ReleaseIcon(cAppIconClass& pad)
{
    if (pad.iconInfo.hIcon) DestroyIcon(pad.iconInfo.hIcon);
    pad.iconInfo = SHFILEINFOA{};
}

// An icon fetched in the background after the start: taken while the pad
// still holds the same file.
void TakeFetchedIcon(cAppIconClass& pad, FetchedIcon* fetched)
{
    const std::unique_ptr<FetchedIcon> owned(fetched);
    if (!owned) return;
    if (pad.path != owned->path) {
        DestroyIcon(owned->info.hIcon);
        return;
    }
    ReleaseIcon(pad);
    pad.iconInfo = owned->info;
    pad.iconFetchPending = false;
    RepaintNow(pad.window);
}

// The panel's gate, closed while the pad runs a modal loop; a pad on no
// panel has none.
class PadGate {
public:
    explicit PadGate(cAppIconClass& pad)
    {
        if (pad.host) closed_.emplace(pad.host->Gate());
    }

private:
    std::optional<ScopedTimerGate> closed_;
};

void PaintIcon(const cAppIconClass& pad)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(pad.window, &paint);
    DrawIcon(dc, 0, 0, pad.iconInfo.hIcon);
    EndPaint(pad.window, &paint);
}

void TakeDroppedFile(cAppIconClass& pad, HDROP drop)
{
    // Only the first of several dropped files is taken.
    char path[MAX_PATH] = "";
    if (DragQueryFileA(drop, 0, path, sizeof path) == 0) path[0] = '\0';
    DragFinish(drop);
    RegisterPadFile(pad, path);
}

// The pad's own handling; every message goes on to the control afterwards.
void HandlePadMessage(cAppIconClass& pad, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        if (pad.iconInfo.hIcon) PaintIcon(pad);
        break;
    case WM_LBUTTONDBLCLK:
        SendMessageA(pad.window, WM_COMMAND, PAD_OPEN, 0);
        break;
    case WM_DROPFILES: {
        PadGate gate(pad);
        TakeDroppedFile(pad, reinterpret_cast<HDROP>(wParam));
        break;
    }
    case WM_RBUTTONDOWN: {
        PadGate gate(pad);
        ShowPadMenu(pad);
        break;
    }
    case WM_COMMAND:
        // A pad on the panel hands its command to the panel's route.
        if (pad.host) {
            pad.host->PadCommand(pad, LOWORD(wParam));
        } else {
            RunPadCommand(pad, LOWORD(wParam));
        }
        break;
    case PAD_ICON_FETCHED:
        TakeFetchedIcon(pad, reinterpret_cast<FetchedIcon*>(lParam));
        break;
    default:
        break;
    }
}

// Where a pad is found for a control that has not been bound yet: a control
// created with PadWndProc as its class procedure brings it along.
cAppIconClass* PadFromCreation(UINT message, LPARAM lParam)
{
    if (message == WM_NCCREATE || message == WM_CREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        return create ? static_cast<cAppIconClass*>(create->lpCreateParams) : nullptr;
    }
    if (message == WM_INITDIALOG) return reinterpret_cast<cAppIconClass*>(lParam);
    return nullptr;
}

}  // namespace

cAppIconClass::~cAppIconClass()
{
    if (window) DetachPad(*this);
    ReleaseIcon(*this);
}

bool PadIsRegistered(const cAppIconClass& pad)
{
    return !pad.path.empty();
}

void EmptyPad(cAppIconClass& pad)
{
    pad.path.clear();
    pad.iconFetchPending = false;
    ReleaseIcon(pad);
    RepaintNow(pad.window);
}

bool AttachPad(cAppIconClass& pad, HWND control)
{
    if (!control) return false;
    pad.window = control;
    SetPropA(control, PAD_PROPERTY, &pad);
    const auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(control, GWLP_WNDPROC));
    if (current != PadWndProc) {
        pad.previousProc = current;
        SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PadWndProc));
        DragAcceptFiles(control, TRUE);
    }
    return true;
}

bool DetachPad(cAppIconClass& pad)
{
    if (!pad.window) return false;
    EmptyPad(pad);
    DragAcceptFiles(pad.window, FALSE);
    if (pad.previousProc)
        SetWindowLongPtrA(pad.window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pad.previousProc));
    RemovePropA(pad.window, PAD_PROPERTY);
    pad.window = nullptr;
    pad.previousProc = nullptr;
    return true;
}

LRESULT CALLBACK PadWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* pad = static_cast<cAppIconClass*>(GetPropA(window, PAD_PROPERTY));
    if (!pad) {
        pad = PadFromCreation(message, lParam);
        if (!pad) return DefWindowProcA(window, message, wParam, lParam);
        AttachPad(*pad, window);
    }
    HandlePadMessage(*pad, message, wParam, lParam);
    // The handling above may have run a modal loop in which the pad was
    // detached: ask the pad afresh where the message goes on.
    const bool bound = GetPropA(window, PAD_PROPERTY) == pad;
    const WNDPROC previous = bound ? pad->previousProc : nullptr;
    const LRESULT result = previous ? CallWindowProcA(previous, window, message, wParam, lParam)
                                    : DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_DESTROY && bound) DetachPad(*pad);
    return result;
}

namespace {

// Puts `file` on the emptied pad and asks the shell for its icon and names;
// false, with the pad holding the path but no icon, when none came back.
bool TakeFile(cAppIconClass& pad, const std::string& file)
{
    pad.path = file;
    // The shell's file information needs the component library on the
    // thread that asks.
    InitializeComOnThisThread();
    const DWORD_PTR found =
        SHGetFileInfoA(file.c_str(), FILE_ATTRIBUTE_NORMAL, &pad.iconInfo, sizeof pad.iconInfo,
                       SHGFI_ICON | SHGFI_DISPLAYNAME | SHGFI_TYPENAME);
    if (!found || !pad.iconInfo.hIcon) {
        // A failed call may leave a value in the icon field that is no icon
        // of ours: it is forgotten, never destroyed.
        pad.iconInfo = SHFILEINFOA{};
        return false;
    }
    if (pad.window) InvalidateRect(pad.window, nullptr, TRUE);
    return true;
}

}  // namespace

bool RegisterPadFile(cAppIconClass& pad, const char* source)
{
    EmptyPad(pad);
    std::string file = source ? source : "";
    for (int followed = 0; followed < SHORTCUT_FOLLOW_LIMIT && IsShortcutPath(file); ++followed) {
        char target[MAX_PATH] = "";
        if (!ResolveShortcut(file.c_str(), target)) break;
        file = target;
    }
    if (file.empty() || file.size() > PAD_PATH_MAX_BYTES) return false;
    if (!TakeFile(pad, file)) {
        EmptyPad(pad);
        MessageBoxA(pad.window, "アイコンの取得に失敗しました", file.c_str(), MB_OK);
    }
    return true;
}

void ReloadPadFile(cAppIconClass& pad)
{
    const std::string path = pad.path;
    EmptyPad(pad);
    if (path.empty() || path.size() > PAD_PATH_MAX_BYTES) return;
    // Only a file on a local disk is looked at on the way to the window: a
    // network path can keep the start waiting for the network's timeout. The
    // others show their type's icon, and the real one is fetched later. A
    // drive that is not plugged in keeps its registration, and a start says
    // what is wrong.
    if (PadFileIsNearby(path)) {
        TakeFile(pad, path);
    } else {
        pad.path = path;
        TakeTypeIcon(path, pad.iconInfo);
        pad.iconFetchPending = true;
    }
    RepaintNow(pad.window);
}

void FetchPendingPadIcons(cAppIconClass (&pads)[PAD_COUNT])
{
    std::vector<IconRequest> requests;
    for (cAppIconClass& pad : pads) {
        if (pad.iconFetchPending && pad.window) requests.push_back({pad.window, pad.path});
    }
    FetchIconsInBackground(std::move(requests));
}
