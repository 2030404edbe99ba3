#include "triggers/gesture_dialog.h"

#include "core/triggers/gesture_caption.h"
#include "core/triggers/gesture_dialog_rules.h"
#include "res/resource.h"
#include "triggers/action_controls.h"
#include "win/module_path.h"

namespace {

constexpr int STEP_LIST_FIRST = IDC_GESTURE_STEP1;  // the lists of steps 1 to 8 in order

GestureDialogState ReadDialog(HWND dialog)
{
    GestureDialogState state;
    state.enabled = IsDlgButtonChecked(dialog, IDC_GESTURE_ENABLED) == BST_CHECKED;
    for (int step = 0; step < GESTURE_MAX_STEPS; ++step) {
        state.selections[step] = static_cast<int>(
            SendDlgItemMessageA(dialog, STEP_LIST_FIRST + step, CB_GETCURSEL, 0, 0));
    }
    return state;
}

void ApplyEnabling(HWND dialog)
{
    bool enabled[GESTURE_MAX_STEPS];
    GestureListEnabling(ReadDialog(dialog), enabled);
    for (int step = 0; step < GESTURE_MAX_STEPS; ++step) {
        EnableWindow(GetDlgItem(dialog, STEP_LIST_FIRST + step), enabled[step]);
    }
}

void InitDialog(HWND dialog, const GestureSequence& gesture)
{
    const GestureDialogState state = GestureDialogStateOf(gesture);
    for (int step = 0; step < GESTURE_MAX_STEPS; ++step) {
        const int list = STEP_LIST_FIRST + step;
        SendDlgItemMessageA(dialog, list, CB_RESETCONTENT, 0, 0);
        for (int i = 0; i < GestureListSize(step); ++i) {
            SendDlgItemMessageA(dialog, list, CB_INSERTSTRING, static_cast<WPARAM>(i),
                                reinterpret_cast<LPARAM>(GestureListEntry(step, i)));
        }
        SendDlgItemMessageA(dialog, list, CB_SETCURSEL,
                            static_cast<WPARAM>(state.selections[step]), 0);
    }
    CheckDlgButton(dialog, IDC_GESTURE_ENABLED, state.enabled ? BST_CHECKED : BST_UNCHECKED);
    ApplyEnabling(dialog);
}

// The box and the lists that can end the gesture change which lists are
// enabled; the first three lists cannot.
bool ChangesEnabling(int id)
{
    if (id == IDC_GESTURE_ENABLED) return true;
    const int step = id - STEP_LIST_FIRST;
    return step >= 0 && step < GESTURE_MAX_STEPS && GestureListCanEnd(step);
}

// OK keeps what the rules decide: a repeated step is refused with its
// message, a missing one silently.
void Confirm(HWND dialog, GestureSequence& gesture)
{
    switch (ApplyGestureDialog(ReadDialog(dialog), gesture)) {
    case GestureDialogOutcome::Stored:
    case GestureDialogOutcome::Disabled:
        EndDialog(dialog, 1);
        break;
    case GestureDialogOutcome::RepeatedStep:
        MessageBoxA(dialog, GESTURE_REPEAT_MESSAGE, "Error", MB_OK);
        break;
    case GestureDialogOutcome::MissingStep:
        break;
    }
}

void OnCommand(HWND dialog, int id, GestureSequence* gesture)
{
    if (ChangesEnabling(id)) {
        ApplyEnabling(dialog);
    } else if (id == IDOK && gesture) {
        Confirm(dialog, *gesture);
    } else if (id == IDCANCEL) {
        SendMessageA(dialog, WM_CLOSE, 0, 0);
    }
}

}  // namespace

INT_PTR CALLBACK GestureDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        InitDialog(dialog, *reinterpret_cast<GestureSequence*>(lParam));
        return FALSE;
    case WM_COMMAND:
        OnCommand(dialog, LOWORD(wParam),
                  reinterpret_cast<GestureSequence*>(GetWindowLongPtrA(dialog, DWLP_USER)));
        return FALSE;
    case WM_CLOSE:
        EndDialog(dialog, 0);
        return FALSE;
    default:
        return FALSE;
    }
}

void FormatGestureCaption(HWND panel, ActionState (&actions)[ACTION_COUNT], int index)
{
    GestureSequence& gesture = actions[index].gesture;
    char caption[GESTURE_CAPTION_SIZE];
    gesture.count = BuildGestureCaption(gesture, caption);
    SetWindowTextA(GetDlgItem(panel, actionControls[index].gestureButton), caption);
}

void CaptionAllGestureButtons(HWND panel, ActionState (&actions)[ACTION_COUNT])
{
    for (int i = 0; i < ACTION_COUNT; ++i) {
        if (actionControls[i].gestureButton != NO_GESTURE_BUTTON)
            FormatGestureCaption(panel, actions, i);
    }
}

void EditGesture(HWND panel, ActionState (&actions)[ACTION_COUNT], int index)
{
    ScopedPanelGate closed(panel);
    DialogBoxParamA(ModuleInstance(), MAKEINTRESOURCEA(IDD_GESTURE), panel, GestureDlgProc,
                    reinterpret_cast<LPARAM>(&actions[index].gesture));
    FormatGestureCaption(panel, actions, index);
}
