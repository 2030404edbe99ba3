#include "core/automation/macro_settings.h"

void StoreMacros(const MacroState& macros, SettingsValues& values)
{
    for (int slot = 0; slot < MACRO_SLOT_COUNT; ++slot) {
        values.slotEnabled[slot] = macros.slots[slot].enabled;
        values.slotRepeats[slot] = macros.slots[slot].repeats;
    }
}

void LoadMacros(const SettingsValues& values, MacroState& macros)
{
    for (int slot = 0; slot < MACRO_SLOT_COUNT; ++slot) {
        macros.slots[slot].enabled = values.slotEnabled[slot];
        macros.slots[slot].repeats = values.slotRepeats[slot];
    }
}
