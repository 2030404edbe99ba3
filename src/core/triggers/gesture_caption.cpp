#include "core/triggers/gesture_caption.h"

#include <cstring>

const char GESTURE_DISABLED_CAPTION[] = "ﾏｳｽｼﾞｪｽﾁｬ：無効";

const char* GestureArrow(std::int32_t code)
{
    static const char* const arrows[] = {"→", "↑", "←", "↓"};
    return IsGestureDirection(code) ? arrows[code - DIR_RIGHT] : nullptr;
}

std::int32_t BuildGestureCaption(const GestureSequence& gesture,
                                 char (&caption)[GESTURE_CAPTION_SIZE])
{
#ifndef PLOV_UTF8_LITERALS  // the sizes of the program's code page
    static_assert(sizeof(GESTURE_DISABLED_CAPTION) <= GESTURE_CAPTION_SIZE);
#endif
    // Eight two-byte arrows and the terminator fit the buffer.
    static_assert(GESTURE_MAX_STEPS * 2 + 1 <= GESTURE_CAPTION_SIZE);

    std::int32_t count = gesture.count;
    if (count >= GESTURE_MIN_STEPS) {
        // A count beyond the array can only come from a damaged record;
        // nothing past the eighth entry belongs to any gesture.
        if (count > GESTURE_MAX_STEPS) count = GESTURE_MAX_STEPS;
        for (std::int32_t i = 0; i < count; ++i) {
            if (!IsGestureDirection(gesture.directions[i])) {
                count = i;
                break;
            }
        }
    }

    if (count < GESTURE_MIN_STEPS) {
        std::memcpy(caption, GESTURE_DISABLED_CAPTION, sizeof(GESTURE_DISABLED_CAPTION));
        return count;
    }
    char* end = caption;
    for (std::int32_t i = 0; i < count; ++i) {
        const char* arrow = GestureArrow(gesture.directions[i]);
        const std::size_t length = std::strlen(arrow);
        std::memcpy(end, arrow, length);
        end += length;
    }
    *end = '\0';
    return count;
}
