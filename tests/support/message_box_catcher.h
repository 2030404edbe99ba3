// Message boxes (and other dialogs) that the code under test opens on this thread, caught as they
// come up: each is recorded and closed with its OK button at once, so the
// code runs on as if a person had read and confirmed it.
//
// A thread-local CBT hook sees every dialog of the thread when it is
// activated, which is after its texts are set and before its modal loop
// runs; closing it there needs no timer and no search of the desktop, and a
// box that is never opened simply leaves no record.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

class MessageBoxCatcher {
public:
    struct Box {
        std::string caption;
        std::string text;
        HWND owner;
    };

    MessageBoxCatcher();   // starts catching on the calling thread
    ~MessageBoxCatcher();  // stops
    MessageBoxCatcher(const MessageBoxCatcher&) = delete;
    MessageBoxCatcher& operator=(const MessageBoxCatcher&) = delete;

    const std::vector<Box>& boxes() const { return boxes_; }
    void Clear() { boxes_.clear(); }
    // Runs while each box is up, before it is closed.
    void WhileOpen(std::function<void(HWND box)> action) { whileOpen_ = std::move(action); }
    // Confirms each box only once `ready` holds for it (checked from within
    // its own modal loop), or after five seconds.
    void ConfirmWhen(std::function<bool(HWND box)> ready) { ready_ = std::move(ready); }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK CheckReady(HWND box, UINT, UINT_PTR id, DWORD now);
    HHOOK hook_ = nullptr;
    std::vector<Box> boxes_;
    std::vector<HWND> seen_;
    std::function<void(HWND)> whileOpen_;
    std::function<bool(HWND)> ready_;
    DWORD readyDeadline_ = 0;
};
