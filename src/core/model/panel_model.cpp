#include "core/model/panel_model.h"

bool KeyRepeatState::AnyHeld() const
{
    for (bool h : held) {
        if (h) return true;
    }
    return false;
}

PanelModel DefaultPanelModel(const std::string& imageFolder)
{
    PanelModel model;
    for (int i = 0; i < ACTION_COUNT; ++i) {
        model.actions[i].modifiers = actionDefinitions[i].defaultModifiers;
        model.actions[i].virtualKey = actionDefinitions[i].defaultVirtualKey;
    }
    model.imageFolder = imageFolder;
    return model;
}
