#include "core/shell/timer_gate.h"

void TimerGate::Move(bool open)
{
    if (!open) {
        ++closers_;
    } else if (closers_ > 0) {
        --closers_;
    }
}
