// Each feature's part of the settings file, both ways: Store puts the
// feature's values into the file's record, Load takes them back. The panel
// stores every feature's defaults, reads the file over them and loads every
// feature from the result, so that whatever the file does not deliver keeps
// its default.
#pragma once
#include <string>

#include "core/model/feature_states.h"
#include "core/settings/settings_codec.h"

// The repeater's ON flag and interval. The button phase is no setting.
void StoreClickRepeat(ClickSide side, const ClickRepeatState& state, SettingsValues& values);
void LoadClickRepeat(ClickSide side, const SettingsValues& values, ClickRepeatState& state);

// The interval; which keys are held is no setting.
void StoreKeyRepeat(const KeyRepeatState& keys, SettingsValues& values);
void LoadKeyRepeat(const SettingsValues& values, KeyRepeatState& keys);

// Each action's hotkey and gesture (its count and all eight entries; the
// codec writes only the first count of them), the gesture distance, time and
// key. A gesture's matcher progress starts over; a gesture key index outside
// the list reads as "なし", since the list would otherwise have no selection
// and no gesture could fire.
void StoreTriggers(const ActionState (&actions)[ACTION_COUNT], const GestureState& gestures,
                   SettingsValues& values);
void LoadTriggers(const SettingsValues& values, ActionState (&actions)[ACTION_COUNT],
                  GestureState& gestures);

// The slots' "有効" and "繰り返す"; the record key is no setting.
void StoreMacros(const MacroState& macros, SettingsValues& values);
void LoadMacros(const SettingsValues& values, MacroState& macros);

// The "消音" box; the devices a concealment holds muted are no setting.
void StoreConceal(const ConcealState& conceal, SettingsValues& values);
void LoadConceal(const SettingsValues& values, ConcealState& conceal);

void StoreImageFolder(const std::string& folder, SettingsValues& values);
void LoadImageFolder(const SettingsValues& values, std::string& folder);

void StorePads(const std::string (&paths)[PAD_COUNT], SettingsValues& values);
void LoadPads(const SettingsValues& values, std::string (&paths)[PAD_COUNT]);
