// The text of a gesture button: one arrow per step, or the disabled caption.
//
// FormatGestureCaption (panel, record) on the Win32 side:
//
//     char caption[GESTURE_CAPTION_SIZE];
//     record.gesture.count = BuildGestureCaption(record.gesture, caption);
//     SetWindowTextA(GetDlgItem(panel, record.gestureButtonId), caption);
#pragma once
#include <cstdint>

#include "core/triggers/gesture_sequence.h"

constexpr int GESTURE_CAPTION_SIZE = 32;

extern const char GESTURE_DISABLED_CAPTION[];  // "ﾏｳｽｼﾞｪｽﾁｬ：無効"

// The arrow of a direction code ("→" "↑" "←" "↓" for 1 to 4), or nullptr for
// any other value.
const char* GestureArrow(std::int32_t code);

// Writes the caption of a gesture and returns the count the record must take
// from now on. A gesture whose first `count` entries hold a value that is not
// a direction code is cut before the first such entry (so a gesture loaded
// from the settings file is validated here), and is disabled when fewer than
// 3 steps remain. A gesture that is already disabled is left as it is.
std::int32_t BuildGestureCaption(const GestureSequence& gesture,
                                 char (&caption)[GESTURE_CAPTION_SIZE]);
