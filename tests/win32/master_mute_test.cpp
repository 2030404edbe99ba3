// The speaker mute against a real sound server: the test run starts a
// private PulseAudio server with a null sink (scripts/sound-server.sh) and
// points Wine's driver at it with PULSE_SERVER. A second run of these tests,
// without a server, checks that every call fails quietly and the concealment
// goes on. Wine keeps an endpoint's mute in the volume object and does not
// pass it on to the device, so the endpoint's calls are checked here, in
// process, on the object the program holds.
#include <windows.h>
#include <mmsystem.h>
#include <mmdeviceapi.h>
#include <endpointvolume.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/base/exe_paths.h"
#include "win/module_path.h"
#include "conceal/master_mute.h"
#include "conceal/recovery_file.h"
#include "core/conceal/recovery_list.h"
#include "support/test_files.h"
#include "conceal_fixture.h"
#include "res/resource.h"
#include "support/wine_test_support.h"

namespace {

// The server the test run started, as Wine's PulseAudio driver finds it.
bool SoundServerStarted()
{
    char server[512] = "";
    const DWORD length = GetEnvironmentVariableA("PULSE_SERVER", server, sizeof server);
    if (length == 0 || length >= sizeof server || std::strncmp(server, "unix:", 5) != 0)
        return false;
    // Wine gives a socket no file attributes, but lists it.
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(WindowsPathOf(server + 5).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return true;
}

// As at process start: no endpoint held, no mixer device open, no control found.
void ForgetMuteSwitch() { PanelInternals::Forget(TheDevices()); }

SpeakerMixer& Mixer() { return PanelInternals::Mixer(TheDevices()); }

// The speaker line's mute control of device 0, looked up independently.
DWORD SpeakerMuteControlId()
{
    HMIXER mixer = nullptr;
    if (mixerOpen(&mixer, 0, 0, 0, 0) != MMSYSERR_NOERROR) return SpeakerMixer::NOT_FOUND;
    MIXERLINEA line = {};
    line.cbStruct = sizeof line;
    line.dwComponentType = MIXERLINE_COMPONENTTYPE_DST_SPEAKERS;
    MIXERCONTROLA control = {};
    MIXERLINECONTROLSA controls = {};
    controls.cbStruct = sizeof controls;
    controls.dwControlType = MIXERCONTROL_CONTROLTYPE_MUTE;
    controls.cControls = 1;
    controls.cbmxctrl = sizeof control;
    controls.pamxctrl = &control;
    DWORD id = SpeakerMixer::NOT_FOUND;
    if (mixerGetLineInfoA(reinterpret_cast<HMIXEROBJ>(mixer), &line,
                          MIXER_OBJECTF_HMIXER | MIXER_GETLINEINFOF_COMPONENTTYPE) == 0) {
        controls.dwLineID = line.dwLineID;
        if (mixerGetLineControlsA(reinterpret_cast<HMIXEROBJ>(mixer), &controls,
                                  MIXER_OBJECTF_HMIXER | MIXER_GETLINECONTROLSF_ONEBYTYPE) == 0)
            id = control.dwControlID;
    }
    mixerClose(mixer);
    return id;
}

class MasterMuteTest : public ConcealTest {
protected:
    void SetUp() override
    {
        ConcealTest::SetUp();
        if (HasFatalFailure()) return;
        if (!SoundServerStarted()) {
            GTEST_SKIP() << "no sound server was started for this run (PULSE_SERVER names no "
                            "socket); ctest starts one with scripts/sound-server.sh";
        }
        ASSERT_GT(mixerGetNumDevs(), 0u) << "the sound server runs but Wine offers no mixer";
        ASSERT_TRUE(ReadDefaultMute(userMute_));
    }
    void TearDown() override
    {
        // The device's own state comes back while the panel that reaches it
        // is still there.
        TheConcealment().ShowAll();
        SetDefaultMute(userMute_);
        ConcealTest::TearDown();
    }
    int userMute_ = 0;
};

TEST_F(MasterMuteTest, TheDefaultOutputDeviceIsNamedAndItsSwitchHeld)
{
    ForgetMuteSwitch();
    SystemOutputDevices& devices = TheDevices();
    std::string id;
    ASSERT_TRUE(devices.DefaultDevice(id));
    EXPECT_FALSE(id.empty()) << "the endpoint comes before the mixer";
    EXPECT_EQ(PanelInternals::MixerHandle(Mixer()), nullptr);
    EXPECT_TRUE(PanelInternals::Holds(devices, id));
    ASSERT_TRUE(devices.SetMute(id, true));
    bool muted = false;
    ASSERT_TRUE(devices.GetMute(id, muted));
    EXPECT_TRUE(muted);
    ASSERT_TRUE(devices.SetMute(id, false));
    ASSERT_TRUE(devices.GetMute(id, muted));
    EXPECT_FALSE(muted);
    EXPECT_FALSE(devices.SetMute("{no such device}", true));
    // A device named again is reached again.
    ASSERT_TRUE(devices.GetMute(id, muted));
    EXPECT_TRUE(PanelInternals::Holds(devices, id));
}

TEST_F(MasterMuteTest, FirstMixerCallOpensDeviceZeroFindsTheSpeakerMuteAndCachesIt)
{
    ForgetMuteSwitch();
    SpeakerMixer& mixer = Mixer();
    bool muted = false;
    ASSERT_TRUE(mixer.Get(muted));
    ASSERT_NE(PanelInternals::MixerHandle(mixer), nullptr);
    UINT device = 99;
    EXPECT_EQ(mixerGetID(reinterpret_cast<HMIXEROBJ>(PanelInternals::MixerHandle(mixer)), &device, MIXER_OBJECTF_HMIXER),
              static_cast<MMRESULT>(MMSYSERR_NOERROR));
    EXPECT_EQ(device, 0u);
    EXPECT_EQ(PanelInternals::MixerControl(mixer), SpeakerMuteControlId());
    EXPECT_NE(PanelInternals::MixerControl(mixer), SpeakerMixer::NOT_FOUND);

    const HMIXER opened = PanelInternals::MixerHandle(mixer);
    const DWORD found = PanelInternals::MixerControl(mixer);
    ASSERT_TRUE(mixer.Set(true));
    muted = false;
    ASSERT_TRUE(mixer.Get(muted));
    EXPECT_TRUE(muted);
    ASSERT_TRUE(mixer.Set(false));
    ASSERT_TRUE(mixer.Get(muted));
    EXPECT_FALSE(muted);
    // The handle stays open and the control is not looked up again.
    EXPECT_EQ(PanelInternals::MixerHandle(mixer), opened);
    EXPECT_EQ(PanelInternals::MixerControl(mixer), found);
}

TEST_F(MasterMuteTest, ConcealmentMutesForAsLongAsTheWindowsStayHidden)
{
    ProbeWindow probe("probe listening", SW_SHOWNORMAL);
    ASSERT_EQ(IsDlgButtonChecked(panelWindow, IDC_MUTE), static_cast<UINT>(BST_CHECKED));
    int read = -1;
    for (int earlier : {0, 1}) {
        SCOPED_TRACE(earlier ? "already muted" : "sound on");
        ASSERT_TRUE(SetDefaultMute(earlier));
        showEvents.clear();
        probeReadsMute = true;
        SendMessageA(panelWindow, WM_COMMAND, IDC_CONCEAL, 0);
        probeReadsMute = false;
        ASSERT_EQ(showEvents.size(), 1u);
        EXPECT_FALSE(showEvents[0].shown);
        ASSERT_TRUE(showEvents[0].muteRead);
        EXPECT_NE(showEvents[0].mute, 0) << "not muted while the windows were hidden";
        ASSERT_TRUE(ReadDefaultMute(read));
        EXPECT_EQ(read, 1) << "the game sounds on while it is hidden";

        // A second pass keeps the state from before the first.
        SendMessageA(panelWindow, WM_COMMAND, IDC_CONCEAL, 0);
        ASSERT_TRUE(ReadDefaultMute(read));
        EXPECT_EQ(read, 1);
        SendMessageA(panelWindow, WM_COMMAND, IDM_SHOW_HIDDEN, 0);
        ASSERT_TRUE(ReadDefaultMute(read));
        EXPECT_EQ(read, earlier);
    }
    // The last window shown from the dialog's side ends it as well.
    ASSERT_TRUE(SetDefaultMute(0));
    SendMessageA(panelWindow, WM_COMMAND, IDC_CONCEAL, 0);
    Concealment& concealment = TheConcealment();
    while (concealment.Active()) concealment.ShowOne(concealment.Hidden().back().window);
    ASSERT_TRUE(ReadDefaultMute(read));
    EXPECT_EQ(read, 0);
}

TEST_F(MasterMuteTest, AStartAfterACrashGivesTheSpeakerItsEarlierStateBack)
{
    std::string device;
    ASSERT_TRUE(TheDevices().DefaultDevice(device));
    for (bool mutedBefore : {false, true}) {
        RecoveryState crashed;
        crashed.mutes = {{device, mutedBefore}};
        WriteWholeFile(PathBesideExecutable(ModulePath(), "hidden", "dat"),
                       EncodeRecoveryFile(crashed));
        ASSERT_TRUE(SetDefaultMute(1));
        TheConcealment().RestoreStrandedWindows();
        int read = -1;
        ASSERT_TRUE(ReadDefaultMute(read));
        EXPECT_EQ(read, mutedBefore ? 1 : 0);
    }
}

TEST_F(MasterMuteTest, UntickedBoxTouchesNoMuteSwitch)
{
    ProbeWindow probe("probe hidden silently", SW_SHOWNORMAL);
    // Any read or write of the switch would find the endpoint or open
    // device 0 first.
    ForgetMuteSwitch();
    SetBox(IDC_MUTE, false);
    SendMessageA(panelWindow, WM_COMMAND, IDC_CONCEAL, 0);
    EXPECT_FALSE(IsWindowVisible(probe.handle()));
    EXPECT_TRUE(PanelInternals::HoldsNone(TheDevices()));
    EXPECT_EQ(PanelInternals::MixerHandle(Mixer()), nullptr);
    SendMessageA(panelWindow, WM_COMMAND, IDM_SHOW_HIDDEN, 0);

    // Ticked, the same pass does reach the switch.
    SetBox(IDC_MUTE, true);
    SendMessageA(panelWindow, WM_COMMAND, IDC_CONCEAL, 0);
    EXPECT_FALSE(PanelInternals::HoldsNone(TheDevices()));
}

// Run with PULSE_SERVER naming no server (the test run's second pass).
class MasterMuteWithoutSoundServerTest : public ConcealTest {
protected:
    void SetUp() override
    {
        ConcealTest::SetUp();
        if (HasFatalFailure()) return;
        if (mixerGetNumDevs() != 0) {
            GTEST_SKIP() << "a mixer device is present; the test run checks this case in a "
                            "pass without a sound server";
        }
    }
};

TEST_F(MasterMuteWithoutSoundServerTest, EveryCallFailsQuietlyAndTheWindowsAreHiddenAllTheSame)
{
    int muted = 42;
    EXPECT_FALSE(ReadDefaultMute(muted));
    EXPECT_EQ(muted, 42);
    EXPECT_FALSE(SetDefaultMute(1));
    // The open is tried again on every call, and keeps failing.
    EXPECT_FALSE(ReadDefaultMute(muted));
    EXPECT_EQ(PanelInternals::MixerHandle(Mixer()), nullptr);
    EXPECT_EQ(PanelInternals::MixerControl(Mixer()), SpeakerMixer::NOT_FOUND);

    ProbeWindow probe("probe without sound", SW_SHOWMAXIMIZED);
    ASSERT_EQ(IsDlgButtonChecked(panelWindow, IDC_MUTE), static_cast<UINT>(BST_CHECKED));
    SendMessageA(panelWindow, WM_COMMAND, IDC_CONCEAL, 0);
    EXPECT_FALSE(IsWindowVisible(probe.handle()));
    EXPECT_FALSE(IsWindowVisible(frameWindow));
    EXPECT_TRUE(Gate().IsOpen());
    SendMessageA(panelWindow, WM_COMMAND, IDM_SHOW_HIDDEN, 0);
    EXPECT_TRUE(IsZoomed(probe.handle()));
}

}  // namespace
