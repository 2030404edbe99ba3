#include "core/panel/timer_gate.h"

void TimerGate::Move(bool open)
{
    if (!open) {
        if (closers_++ == 0 && onClose_) onClose_();
    } else if (closers_ > 0) {
        --closers_;
    }
}
