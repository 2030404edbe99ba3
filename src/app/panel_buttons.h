// The thirteen owner-drawn command buttons of the panel.
#pragma once
#include "app/owner_draw_button.h"

constexpr int PANEL_BUTTON_COUNT = 13;
extern const int panelButtonIds[PANEL_BUTTON_COUNT];

// The array lives from the first call until process exit.
OwnerDrawButton* PanelButtons();
OwnerDrawButton& PanelButton(int controlId);  // one of panelButtonIds

void AttachPanelButtons(HWND panel);
