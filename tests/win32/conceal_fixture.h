// Windows of this test program that log when they are shown and hidden, and
// a panel fixture that shows every concealed window again whatever a test
// left behind.
#pragma once
#include "support/concealable.h"
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "conceal/concealment.h"
#include "core/conceal/recovery_list.h"
#include "panel_fixture.h"
#include "panel_internals.h"

struct ShowEvent {
    HWND window;
    bool shown;       // shown, or hidden
    bool gateOpen;    // the panel's timer gate at that moment
    bool muteRead;    // ReadDefaultMute succeeded (read only while probeReadsMute)
    int mute;
    std::size_t listed;  // windows the recovery file listed at that moment
};

// The default output device's switch, as the program reaches it.
bool ReadDefaultMute(int& muted);
bool SetDefaultMute(int muted);

// The windows the recovery file beside the executable lists now.
std::vector<StrandedWindow> ReadRecoveryFile();

// Every time a ProbeWindow was shown or hidden, in order.
extern std::vector<ShowEvent> showEvents;
// While true, each ProbeWindow reads the master mute when it is shown or hidden.
extern bool probeReadsMute;

class ProbeWindow {
public:
    // A top-level window shown with `showCommand` (SW_HIDE: never shown).
    ProbeWindow(const char* title, int showCommand, DWORD style = WS_OVERLAPPEDWINDOW);
    ~ProbeWindow();
    ProbeWindow(const ProbeWindow&) = delete;
    ProbeWindow& operator=(const ProbeWindow&) = delete;
    HWND handle() const { return window_; }

private:
    HWND window_;
};

// The concealed windows, the bottom of the Z-order first, and one window's record.
std::vector<HWND> RecordedWindows();
const HiddenWindow* RecordOf(HWND window);

class ConcealTest : public PanelTest {
protected:
    void SetUp() override
    {
        PanelTest::SetUp();
        showEvents.clear();
        probeReadsMute = false;
    }
    void TearDown() override
    {
        TheConcealment().ShowAll();
        probeReadsMute = false;
        PanelTest::TearDown();
    }
};
