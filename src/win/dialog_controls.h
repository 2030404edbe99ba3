// Small set-up steps of a dialog's controls that several features share.
#pragma once
#include <windows.h>

#include <cstddef>
#include <cstdint>

// Binds the spin to its edit, with its range and position; the edit's text
// is left to the caller.
void SetUpSpin(HWND dialog, int spinId, int editId, int low, int high, std::uint32_t position);

// Enables or disables a control of the dialog.
void EnableControl(HWND dialog, int id, bool enable);

// Ticks or clears a check box of the dialog, and reads one.
void CheckBox(HWND dialog, int id, bool checked);
bool BoxChecked(HWND dialog, int id);

// Adds an item to a combo box of the dialog with `data` as its item data;
// the item's index.
LRESULT AddComboItem(HWND dialog, int id, const char* text, LPARAM data);

// Fills a combo box of the dialog with a list: each name, in order, with its
// value as its item data.
template <std::size_t N>
void FillComboBox(HWND dialog, int id, const char* const (&names)[N], const std::uint32_t (&values)[N])
{
    for (std::size_t i = 0; i < N; ++i) AddComboItem(dialog, id, names[i], values[i]);
}

// The index of the item selected in a combo box of the dialog that holds a
// list of `count` items; the first item when none of them is selected.
std::int32_t ComboSelection(HWND dialog, int id, std::int32_t count);
