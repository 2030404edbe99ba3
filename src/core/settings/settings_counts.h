// How many of each the program has, which is how many the settings file
// keeps: the actions (one record each after the fixed part), the steps of an
// action's gesture, the macro slots. The file's record sits below the
// features that map their state into it, so these counts are its own; the
// pads' count is with their record (pad_record.h).
#pragma once

constexpr int ACTION_COUNT = 9;
constexpr int GESTURE_MAX_STEPS = 8;
constexpr int MACRO_SLOT_COUNT = 3;
