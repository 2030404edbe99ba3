// The settings file's values and the panel's model, both ways.
#pragma once
#include "core/model/panel_model.h"
#include "core/settings/settings_codec.h"

// What the file keeps of the model. A gesture is its count and all eight
// entries (the codec writes only the first count of them).
SettingsValues SettingsOf(const PanelModel& model);

// Puts every value into the model. A gesture's matcher progress starts over;
// a gesture key index outside the list reads as "なし", since the list would
// otherwise have no selection and no gesture could fire. The record key, the
// target window, the button phases, the held keys and the mute held by a
// concealment are no settings and stay as they are.
void ApplySettings(const SettingsValues& values, PanelModel& model);
