// Feeds one gesture step to one record's sequence and tells whether the
// sequence has just completed.
#pragma once
#include <cstdint>

#include "core/triggers/gesture_sequence.h"

// One step of `direction`, taken at `now` (milliseconds of the system clock,
// as timeGetTime gives them; the clock may wrap). gestureStartTime is the one
// clock shared by every record: it is set whenever a record reaches its second
// step. timeWindow (T) bounds, from that moment, how long a stroke may go on
// without matching before the sequence is dropped.
//
// - A gesture of fewer than 3 steps never matches; its progress is left alone.
// - A matching step advances progress; reaching the last step resets it to 0
//   and returns true. A matching step is never too late.
// - A step that does not match drops the sequence (progress 0) when at least
//   two steps have matched and T or more milliseconds have passed since
//   gestureStartTime; otherwise a stroke that goes on in the direction of the
//   step just matched is tolerated, and anything else drops the sequence. The
//   breaking step is not tried again as a first step.
// - Progress outside the gesture (left from a longer gesture before it was
//   shortened) starts over at the first step.
bool MatchGestureStep(GestureSequence& sequence, GestureDirection direction,
                      std::uint32_t timeWindow, std::uint32_t now,
                      std::uint32_t& gestureStartTime);
