#include "panel_fixture.h"

#include "panel_internals.h"

#include <memory>

#include "core/panel/colors.h"
#include "win/panel_feature.h"

HWND frameWindow = nullptr;
HWND panelWindow = nullptr;

namespace {

RunOutcome outcome;
std::unique_ptr<Panel> panel;

}  // namespace

Panel& ThePanel() { return *panel; }

COLORREF FaceOf(int controlId)
{
    COLORREF face = COLOR_PANEL;
    for (PanelFeature* feature : FeatureOrder()) {
        if (feature->FaceOf(controlId, face)) break;
    }
    return face;
}

SettingsValues CurrentSettings()
{
    SettingsValues values;
    for (PanelFeature* feature : FeatureOrder()) feature->Save(values);
    return values;
}

void PanelTest::SetUpKeepingSettings()
{
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    static bool registered = false;
    if (!registered) {
        ASSERT_TRUE(RegisterFrameClass(instance));
        registered = true;
    }
    panel = std::make_unique<Panel>(outcome, desktop_ ? *desktop_ : SystemDesktop());
    frameWindow = CreateFrame(instance, *panel);
    ASSERT_NE(frameWindow, nullptr);
    panelWindow = GetWindow(frameWindow, GW_CHILD);
    ASSERT_NE(panelWindow, nullptr);
    PumpMessages();
}

void PanelTest::TearDownKeepingSettings()
{
    // Whatever a test left closed, the next test's panel starts open.
    while (panel && !Gate().IsOpen() && panelWindow && IsWindow(panelWindow))
        SendMessageA(panelWindow, WMU_TIMERGATE, 1, 0);
    if (frameWindow && IsWindow(frameWindow)) DestroyWindow(frameWindow);
    // The frame posts WM_QUIT when it goes; this loop is the tests', so drop it.
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message != WM_QUIT) DispatchMessageA(&msg);
    }
    frameWindow = nullptr;
    panelWindow = nullptr;
    panel.reset();
}
