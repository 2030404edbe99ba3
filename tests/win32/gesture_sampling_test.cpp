#include <windows.h>

#include <gtest/gtest.h>

#include "core/panel/colors.h"
#include "support/test_files.h"
#include "triggers/triggers.h"
#include "core/panel/panel_messages.h"
#include "panel_fixture.h"
#include "panel_internals.h"
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
    // The left repeater's gesture → ↑ ←, as a settings file brings it.
    SettingsValues values = CurrentSettings();
    values.actions[0].directions[0] = 1;
    values.actions[0].directions[1] = 2;
    values.actions[0].directions[2] = 3;
    values.actions[0].count = 3;
    TearDownKeepingSettings();
    ASSERT_TRUE(WriteWholeFile(SettingsFilePath(), WriteSettings(values)));
    SetUpKeepingSettings();

    const GestureRecognition& recognition = PanelInternals::Gestures(TheTriggers()).recognition;
    EXPECT_EQ(recognition.gestureMinDistance, 64u);
    EXPECT_EQ(recognition.gestureTimeWindow, 200u);
    SetDlgItemTextA(panelWindow, IDC_GESTURE_TIME, "1000");
    EXPECT_EQ(recognition.gestureTimeWindow, 1000u);
    SetDlgItemTextA(panelWindow, IDC_LEFT_INTERVAL, "60000");

    MoveAndSample(400, 880);
    MoveAndSample(550, 880);
    MoveAndSample(550, 730);
    MoveAndSample(400, 730);
    EXPECT_EQ(FaceOf(IDC_LEFT_TOGGLE), COLOR_ON);
    SendMessageA(panelWindow, WM_COMMAND, IDC_LEFT_TOGGLE, 0);
}

}  // namespace
