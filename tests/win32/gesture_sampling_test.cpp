#include <windows.h>

#include <gtest/gtest.h>

#include "app/colors.h"
#include "app/panel_buttons.h"
#include "app/panel_messages.h"
#include "panel_fixture.h"
#include "res/resource.h"
#include "triggers/action_records.h"
#include "triggers/gesture_sampler.h"

namespace {

void MoveAndSample(int x, int y)
{
    SetCursorPos(x, y);
    // A hand's pace: the panel's sampling timer sees every corner.
    const DWORD until = GetTickCount() + 60;
    WaitUntil([&] { return GetTickCount() >= until; });
}

TEST_F(PanelTest, SamplingTimerFiresARecordsGestureThroughItsHotkey)
{
    EXPECT_EQ(gestureRecognition.gestureMinDistance, 64u);
    EXPECT_EQ(gestureRecognition.gestureTimeWindow, 200u);
    SetDlgItemTextA(panelWindow, IDC_GESTURE_TIME, "1000");
    EXPECT_EQ(gestureRecognition.gestureTimeWindow, 1000u);
    SetDlgItemTextA(panelWindow, IDC_LEFT_INTERVAL, "60000");

    GestureSequence& gesture = actionTable[0].gesture;
    gesture.directions[0] = 1;
    gesture.directions[1] = 2;
    gesture.directions[2] = 3;
    gesture.count = 3;
    gesture.progress = 0;
    MoveAndSample(400, 880);
    MoveAndSample(550, 880);
    MoveAndSample(550, 730);
    MoveAndSample(400, 730);
    EXPECT_EQ(PanelButton(IDC_LEFT_TOGGLE).face, COLOR_ON);
    SendMessageA(panelWindow, WM_COMMAND, IDC_LEFT_TOGGLE, 0);
    gesture.count = 0;
}

}  // namespace
