// Resource, control and command ids. Shared by the resource script and the
// code, so it holds nothing but numbers.
#pragma once

// Resources
#define IDI_APP 101
#define IDI_TRAY_NONE 102
#define IDI_TRAY_LEFT 103
#define IDI_TRAY_RIGHT 104
#define IDI_TRAY_BOTH 105
#define IDD_MAIN_PANEL 101
#define IDD_HOTKEY 102
#define IDD_GESTURE 104
#define IDD_HIDDEN_WINDOWS 105
#define IDM_TRAY 106

// Main panel: click repeat
#define IDC_LEFT_INTERVAL 1001
#define IDC_LEFT_INTERVAL_SPIN 1002
#define IDC_RIGHT_INTERVAL 1004
#define IDC_RIGHT_INTERVAL_SPIN 1005
#define IDC_LEFT_TOGGLE 1132
#define IDC_RIGHT_TOGGLE 1133
#define IDC_TARGET_LIST 1126
#define IDC_TARGET_REFRESH 1127

// Main panel: hotkey and gesture caption buttons of the action table
#define IDC_HOTKEY_LEFT 1006
#define IDC_HOTKEY_RIGHT 1007
#define IDC_HOTKEY_CAPTURE 1008
#define IDC_HOTKEY_MACRO1 1009
#define IDC_HOTKEY_MACRO2 1010
#define IDC_HOTKEY_CONCEAL 1011
#define IDC_HOTKEY_MACRO3 1012
#define IDC_HOTKEY_STOP 1013
#define IDC_HOTKEY_SHOWHIDE 1130
#define IDC_GESTURE_LEFT 1017
#define IDC_GESTURE_RIGHT 1018
#define IDC_GESTURE_CONCEAL 1019
#define IDC_GESTURE_CAPTURE 1020
#define IDC_GESTURE_MACRO1 1023
#define IDC_GESTURE_MACRO2 1024
#define IDC_GESTURE_MACRO3 1115
#define IDC_GESTURE_SHOWHIDE 1032

// Main panel: concealment
#define IDC_CONCEAL 1014
#define IDC_MUTE 1022

// Main panel: capture
#define IDC_CAPTURE 1015
#define IDC_IMAGE_FOLDER 1016
#define IDC_BROWSE_FOLDER 1021

// Main panel: gestures
#define IDC_GESTURE_DISTANCE 1121
#define IDC_GESTURE_DISTANCE_SPIN 1122
#define IDC_GESTURE_TIME 1123
#define IDC_GESTURE_TIME_SPIN 1124
#define IDC_GESTURE_HOLD_KEY 1125

// Main panel: keyboard repeat (the 81 key buttons are 1025 to 1106 without 1032)
#define IDC_KEY_INTERVAL 1129
#define IDC_KEY_INTERVAL_SPIN 1131
#define IDC_KEY_FIRST 1025
#define IDC_KEY_LAST 1106

// Main panel: macros
#define IDC_RECORD_KEY 1128
#define IDC_MACRO1_RECORD 1108
#define IDC_MACRO1_EXECUTE 1109
#define IDC_MACRO1_ENABLED 1110
#define IDC_MACRO2_RECORD 1111
#define IDC_MACRO2_EXECUTE 1112
#define IDC_MACRO2_ENABLED 1113
#define IDC_MACRO3_RECORD 1114
#define IDC_MACRO3_EXECUTE 1116
#define IDC_MACRO3_ENABLED 1117
#define IDC_MACRO1_REPEAT 1118
#define IDC_MACRO2_REPEAT 1119
#define IDC_MACRO3_REPEAT 1120

// Main panel: show/hide and launcher pads
#define IDC_SHOW_HIDE 1107
#define IDC_PAD1 1135
#define IDC_PAD2 1136
#define IDC_PAD3 1137
#define IDC_PAD4 1138

// Hotkey dialog (102)
#define IDC_HOTKEY_EDIT 1007

// Gesture dialog (104)
#define IDC_GESTURE_ENABLED 1000
#define IDC_GESTURE_STEP1 1016

// Hidden-window dialog (105)
#define IDC_HIDDEN_LIST 1119
#define IDC_HIDDEN_SHOW_ALL 1006
#define IDC_HIDDEN_SHOW 1007
#define IDC_HIDDEN_CLOSE 1011

// Commands of the tray menu and the frame's system menu
#define IDM_EXIT 40001
#define IDM_SHOW_HIDE 40002
#define IDM_SHOW_HIDDEN 40003
#define IDM_HIDDEN_DIALOG 40004
#define IDM_LEFT_REPEAT 40005
#define IDM_RIGHT_REPEAT 40006
#define IDM_CONCEAL 40007
#define IDM_MACRO1 40009
#define IDM_MACRO2 40010
#define IDM_MACRO3 40011
// No menu item: the forced stop of a running macro, the command its hotkey
// sends.
#define IDM_STOP_MACRO 40012
#define IDM_KEYBOARD_PLACEHOLDER 40013
