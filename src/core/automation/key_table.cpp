#include "core/automation/key_table.h"

// The letter buttons are laid out in keyboard rows, so their ids follow the
// rows (Q 1053 … P 1062, A 1063 … L 1071, Z 1072 … M 1078) while the table
// itself runs alphabetically.
const KeyDefinition keyTable[KEY_COUNT] = {
#define KEY(caption, id, virtualKey, x, y, width, height) {id, virtualKey, false},
#define EXTENDED_KEY(caption, id, virtualKey, x, y, width, height) {id, virtualKey, true},
#include "core/automation/keys.def"
#undef KEY
#undef EXTENDED_KEY
};

int KeyIndexOfControl(int controlId)
{
    for (int i = 0; i < KEY_COUNT; ++i) {
        if (keyTable[i].controlId == controlId) return i;
    }
    return -1;
}
