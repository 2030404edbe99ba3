#include "app/panel_view.h"

#include "core/shell/colors.h"
#include "res/resource.h"
#include "win/owner_draw_button.h"

namespace {

const int commandButtonIds[] = {
    IDC_SHOW_HIDE,      IDC_TARGET_REFRESH, IDC_CONCEAL,        IDC_CAPTURE,
    IDC_MACRO1_EXECUTE, IDC_MACRO1_RECORD,  IDC_MACRO2_EXECUTE, IDC_MACRO2_RECORD,
    IDC_MACRO3_EXECUTE, IDC_MACRO3_RECORD,  IDC_BROWSE_FOLDER,  IDC_LEFT_TOGGLE,
    IDC_RIGHT_TOGGLE,
};

const int slotEnabledIds[MACRO_SLOT_COUNT] = {IDC_MACRO1_ENABLED, IDC_MACRO2_ENABLED,
                                              IDC_MACRO3_ENABLED};
const int slotRepeatIds[MACRO_SLOT_COUNT] = {IDC_MACRO1_REPEAT, IDC_MACRO2_REPEAT,
                                             IDC_MACRO3_REPEAT};

COLORREF Toggle(bool on) { return on ? COLOR_ON : COLOR_OFF; }

void Check(HWND panel, int id, bool on) { CheckDlgButton(panel, id, on ? BST_CHECKED : BST_UNCHECKED); }

// An item of a key list, with its virtual key as item data.
void AddListItem(HWND panel, int listId, const char* text, std::uint32_t virtualKey)
{
    const LRESULT index =
        SendDlgItemMessageA(panel, listId, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    SendDlgItemMessageA(panel, listId, CB_SETITEMDATA, static_cast<WPARAM>(index), virtualKey);
}

}  // namespace

void AttachPanelButtons(HWND panel)
{
    for (int id : commandButtonIds) AttachOwnerDrawButton(GetDlgItem(panel, id));
    for (const KeyDefinition& key : keyTable) AttachOwnerDrawButton(GetDlgItem(panel, key.controlId));
    for (const ActionDefinition& action : actionDefinitions) {
        AttachOwnerDrawButton(GetDlgItem(panel, action.hotkeyButtonId));
        if (action.gestureButtonId != NO_GESTURE_BUTTON)
            AttachOwnerDrawButton(GetDlgItem(panel, action.gestureButtonId));
    }
}

COLORREF FaceOf(int controlId, const PanelModel& model)
{
    if (controlId == IDC_LEFT_TOGGLE) return Toggle(model.left.on);
    if (controlId == IDC_RIGHT_TOGGLE) return Toggle(model.right.on);
    const int key = KeyIndexOfControl(controlId);
    if (key >= 0) return Toggle(model.keys.held[key]);
    return COLOR_PANEL;
}

void DrawPanelItem(const DRAWITEMSTRUCT& item, const PanelModel& model)
{
    DrawOwnerDrawButton(item, FaceOf(static_cast<int>(item.CtlID), model), COLOR_BLACK);
}

void FillKeyLists(HWND panel)
{
    for (int i = 0; i < GESTURE_KEY_CHOICES; ++i)
        AddListItem(panel, IDC_GESTURE_HOLD_KEY, GESTURE_HOLD_KEY_NAMES[i], GESTURE_HOLD_KEYS[i]);
    for (int i = 0; i < RECORD_KEY_CHOICES; ++i)
        AddListItem(panel, IDC_RECORD_KEY, RECORD_KEY_NAMES[i], RECORD_KEYS[i]);
}

void ShowModel(HWND panel, const PanelModel& model)
{
    SetDlgItemInt(panel, IDC_LEFT_INTERVAL, model.left.interval, FALSE);
    SetDlgItemInt(panel, IDC_RIGHT_INTERVAL, model.right.interval, FALSE);
    SetDlgItemInt(panel, IDC_KEY_INTERVAL, model.keys.interval, FALSE);
    Check(panel, IDC_MUTE, model.conceal.muteWhileConcealing);
    SetDlgItemTextA(panel, IDC_IMAGE_FOLDER, model.imageFolder.c_str());
    for (int slot = 0; slot < MACRO_SLOT_COUNT; ++slot) {
        Check(panel, slotEnabledIds[slot], model.macros.slots[slot].enabled);
        Check(panel, slotRepeatIds[slot], model.macros.slots[slot].repeats);
    }
    SetDlgItemInt(panel, IDC_GESTURE_DISTANCE, model.gestures.recognition.gestureMinDistance, FALSE);
    SetDlgItemInt(panel, IDC_GESTURE_TIME, model.gestures.recognition.gestureTimeWindow, FALSE);
    SendDlgItemMessageA(panel, IDC_GESTURE_HOLD_KEY, CB_SETCURSEL,
                        static_cast<WPARAM>(model.gestures.holdKeyIndex), 0);
    SendDlgItemMessageA(panel, IDC_RECORD_KEY, CB_SETCURSEL,
                        static_cast<WPARAM>(model.macros.recordKeyIndex), 0);
}
