#include "conceal/concealment_mute.h"

#include "conceal/master_mute.h"

void MuteForConcealment(ConcealState& state)
{
    if (state.muteHeld) return;
    int earlier = 0;
    if (!GetMasterMute(earlier)) return;
    SetMasterMute(1);
    state.muteHeld = true;
    state.mutedBefore = earlier != 0;
}

void EndConcealmentMute(ConcealState& state)
{
    if (!state.muteHeld) return;
    state.muteHeld = false;
    SetMasterMute(state.mutedBefore ? 1 : 0);
}
