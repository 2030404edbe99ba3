#include "support/message_box_catcher.h"

#include <algorithm>

namespace {

thread_local MessageBoxCatcher* activeCatcher = nullptr;

std::string ClassOf(HWND window)
{
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

BOOL CALLBACK FindMessageText(HWND child, LPARAM data)
{
    auto* text = reinterpret_cast<std::string*>(data);
    if (_stricmp(ClassOf(child).c_str(), "Static") != 0) return TRUE;
    char buffer[2048] = "";
    GetWindowTextA(child, buffer, sizeof buffer);
    if (buffer[0] == '\0') return TRUE;  // the icon
    *text = buffer;
    return FALSE;
}

}  // namespace

MessageBoxCatcher::MessageBoxCatcher()
{
    activeCatcher = this;
    hook_ = SetWindowsHookExA(WH_CBT, Hook, nullptr, GetCurrentThreadId());
}

MessageBoxCatcher::~MessageBoxCatcher()
{
    if (hook_) UnhookWindowsHookEx(hook_);
    activeCatcher = nullptr;
}

void CALLBACK MessageBoxCatcher::CheckReady(HWND box, UINT, UINT_PTR id, DWORD now)
{
    MessageBoxCatcher* self = activeCatcher;
    if (!self || self->ready_(box) || static_cast<LONG>(now - self->readyDeadline_) >= 0) {
        KillTimer(box, id);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
}

LRESULT CALLBACK MessageBoxCatcher::Hook(int code, WPARAM wParam, LPARAM lParam)
{
    MessageBoxCatcher* self = activeCatcher;
    if (self && code == HCBT_DESTROYWND) {
        // A later window may be given the handle again.
        auto gone = reinterpret_cast<HWND>(wParam);
        self->seen_.erase(std::remove(self->seen_.begin(), self->seen_.end(), gone),
                          self->seen_.end());
    }
    if (self && code == HCBT_ACTIVATE) {
        auto box = reinterpret_cast<HWND>(wParam);
        const bool seen = std::find(self->seen_.begin(), self->seen_.end(), box) != self->seen_.end();
        if (!seen && ClassOf(box) == "#32770") {
            self->seen_.push_back(box);
            Box record;
            char caption[512] = "";
            GetWindowTextA(box, caption, sizeof caption);
            record.caption = caption;
            EnumChildWindows(box, FindMessageText, reinterpret_cast<LPARAM>(&record.text));
            record.owner = GetWindow(box, GW_OWNER);
            self->boxes_.push_back(record);
            if (self->whileOpen_) self->whileOpen_(box);
            if (self->ready_) {
                self->readyDeadline_ = GetTickCount() + 5000;
                SetTimer(box, 1, 20, CheckReady);
            } else {
                PostMessageA(box, WM_COMMAND, IDOK, 0);
            }
        }
    }
    return CallNextHookEx(self ? self->hook_ : nullptr, code, wParam, lParam);
}
