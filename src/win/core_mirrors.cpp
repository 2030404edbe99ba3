// The platform-free code keeps its own copies of a few system constants, so
// that it builds without <windows.h>. Here, on the Windows side, each copy is
// tied to the system's value: a copy that drifts fails the build.
#include <windows.h>
#include <commctrl.h>

#include "core/capture/bmp_header.h"
#include "core/conceal/recovery_list.h"
#include "core/automation/macro_settings.h"
#include "core/panel/colors.h"
#include "core/triggers/action_table.h"
#include "core/triggers/hotkey_caption.h"
#include "core/triggers/trigger_settings.h"

static_assert(HOTKEY_MOD_ALT == MOD_ALT);
static_assert(HOTKEY_MOD_CONTROL == MOD_CONTROL);
static_assert(HOTKEY_MOD_SHIFT == MOD_SHIFT);

static_assert(HOTKEY_CONTROL_SHIFT == HOTKEYF_SHIFT);
static_assert(HOTKEY_CONTROL_CONTROL == HOTKEYF_CONTROL);
static_assert(HOTKEY_CONTROL_ALT == HOTKEYF_ALT);
static_assert(HOTKEY_CONTROL_EXT == HOTKEYF_EXT);

static_assert(SHOW_COMMAND_NORMAL == SW_SHOWNORMAL);
static_assert(SHOW_COMMAND_MINIMIZED == SW_SHOWMINIMIZED);
static_assert(SHOW_COMMAND_MAXIMIZED == SW_SHOWMAXIMIZED);

static_assert(MakeColour(1, 2, 3) == RGB(1, 2, 3));

static_assert(BMP_FILE_HEADER_BYTES == sizeof(BITMAPFILEHEADER));
static_assert(BMP_INFO_HEADER_BYTES == sizeof(BITMAPINFOHEADER));

static_assert(GESTURE_HOLD_KEYS[0] == 0 && GESTURE_HOLD_KEYS[1] == VK_SHIFT &&
              GESTURE_HOLD_KEYS[2] == VK_CONTROL && GESTURE_HOLD_KEYS[3] == VK_MENU);
static_assert(RECORD_KEYS[0] == VK_SHIFT && RECORD_KEYS[1] == VK_CONTROL &&
              RECORD_KEYS[2] == VK_MENU);
