#include "app/panel_buttons.h"

#include "app/colors.h"
#include "res/resource.h"

const int panelButtonIds[PANEL_BUTTON_COUNT] = {
    IDC_SHOW_HIDE,     IDC_TARGET_REFRESH, IDC_CONCEAL,       IDC_CAPTURE,
    IDC_MACRO1_EXECUTE, IDC_MACRO1_RECORD, IDC_MACRO2_EXECUTE, IDC_MACRO2_RECORD,
    IDC_MACRO3_EXECUTE, IDC_MACRO3_RECORD, IDC_BROWSE_FOLDER,  IDC_LEFT_TOGGLE,
    IDC_RIGHT_TOGGLE,
};

OwnerDrawButton* PanelButtons()
{
    static OwnerDrawButton buttons[PANEL_BUTTON_COUNT];
    return buttons;
}

OwnerDrawButton& PanelButton(int controlId)
{
    int index = 0;
    while (index < PANEL_BUTTON_COUNT - 1 && panelButtonIds[index] != controlId) ++index;
    return PanelButtons()[index];
}

void AttachPanelButtons(HWND panel)
{
    OwnerDrawButton* buttons = PanelButtons();
    for (int i = 0; i < PANEL_BUTTON_COUNT; ++i) {
        AttachPanelControl(buttons[i], panel, panelButtonIds[i], COLOR_PANEL, COLOR_BLACK);
    }
    // Both click repeaters start off.
    PanelButton(IDC_LEFT_TOGGLE).face = COLOR_OFF;
    PanelButton(IDC_RIGHT_TOGGLE).face = COLOR_OFF;
}
