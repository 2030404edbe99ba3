#include <windows.h>

#include <gtest/gtest.h>

#include "core/shell/colors.h"
#include "app/panel_view.h"
#include "core/shell/panel_messages.h"
#include "panel_fixture.h"
#include "res/resource.h"
#include "core/triggers/gesture_sampler.h"

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
    const GestureRecognition& recognition = Model().gestures.recognition;
    EXPECT_EQ(recognition.gestureMinDistance, 64u);
    EXPECT_EQ(recognition.gestureTimeWindow, 200u);
    SetDlgItemTextA(panelWindow, IDC_GESTURE_TIME, "1000");
    EXPECT_EQ(recognition.gestureTimeWindow, 1000u);
    SetDlgItemTextA(panelWindow, IDC_LEFT_INTERVAL, "60000");

    GestureSequence& gesture = Model().actions[0].gesture;
    gesture.directions[0] = 1;
    gesture.directions[1] = 2;
    gesture.directions[2] = 3;
    gesture.count = 3;
    gesture.progress = 0;
    MoveAndSample(400, 880);
    MoveAndSample(550, 880);
    MoveAndSample(550, 730);
    MoveAndSample(400, 730);
    EXPECT_EQ(FaceOf(IDC_LEFT_TOGGLE, Model()), COLOR_ON);
    SendMessageA(panelWindow, WM_COMMAND, IDC_LEFT_TOGGLE, 0);
    gesture.count = 0;
}

}  // namespace
