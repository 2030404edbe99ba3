// The speaker mute that a concealment holds: taken when windows are
// concealed with "消音" ticked, held for as long as they stay concealed, and
// given back (the switch returns to its earlier state) when they are shown
// again or the program ends. Its state is the model's ConcealState.
#pragma once
#include "core/model/panel_model.h"

// Reads the switch and mutes; does nothing while a mute is already held, so
// a second concealment keeps the state from before the first. When the
// switch cannot be read nothing is muted.
void MuteForConcealment(ConcealState& state);

// Sets the switch back to the state it had before MuteForConcealment, if a
// mute is held.
void EndConcealmentMute(ConcealState& state);
