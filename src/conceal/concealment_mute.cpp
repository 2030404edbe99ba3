#include "conceal/concealment_mute.h"

#include "conceal/master_mute.h"

namespace {

bool held = false;
int before = 0;

}  // namespace

void MuteForConcealment()
{
    if (held) return;
    int earlier = 0;
    if (!GetMasterMute(earlier)) return;
    SetMasterMute(1);
    held = true;
    before = earlier;
}

void EndConcealmentMute()
{
    if (!held) return;
    held = false;
    SetMasterMute(before);
}

bool ConcealmentMuteHeld() { return held; }
bool MutedBeforeConcealment() { return before != 0; }
