// Showing and hiding a window without waiting for its program: a window of
// another thread is told with a posted show command, so a program that has
// stopped answering delays nothing here and follows when it wakes.
#pragma once
#include <windows.h>

void ShowWindowWithoutWaiting(HWND window, int showCommand);
