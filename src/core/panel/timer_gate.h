// The panel's timer gate: while it is closed every tick of the panel's timers
// is ignored, so no click, key or gesture is produced. It counts: every modal
// dialog, menu, message box and long pass of the program closes it once and
// opens it once, and it is open again only when the last of them has ended,
// however they nest. Move is the one place where it changes.
#pragma once
#include <functional>

class TimerGate {
public:
    bool IsOpen() const { return closers_ == 0; }
    // Open to the ticks of a feature that holds `own` of the closers itself
    // (a running macro holds one for as long as it runs: its own ticks go
    // on, and a menu or a dialog opened meanwhile still stops them).
    bool IsOpenBesides(int own) const { return closers_ <= own; }
    // Closing counts one more interaction under way; opening counts one
    // less. An open with nothing closed changes nothing.
    void Move(bool open);
    // Runs whenever the gate closes from open: what the ticks hold between
    // two of them (a repeater's button down) is let go before the pause.
    void OnClose(std::function<void()> handler) { onClose_ = std::move(handler); }

private:
    int closers_ = 0;
    std::function<void()> onClose_;
};

// Closes the gate for the life of a modal interaction.
class ScopedTimerGate {
public:
    explicit ScopedTimerGate(TimerGate& gate) : gate_(gate) { gate_.Move(false); }
    ~ScopedTimerGate() { gate_.Move(true); }
    ScopedTimerGate(const ScopedTimerGate&) = delete;
    ScopedTimerGate& operator=(const ScopedTimerGate&) = delete;

private:
    TimerGate& gate_;
};
