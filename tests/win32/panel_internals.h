// What the in-process tests look at inside the panel's objects, through the
// friend that each of them names; the program itself needs none of it.
#pragma once
#include <windows.h>
#include <mmdeviceapi.h>
#include <endpointvolume.h>

#include <string>
#include <vector>

#include "app/panel_features.h"
#include "panel_fixture.h"

struct PanelInternals {
    static Panel::Features& Of(Panel& panel) { return *panel.features_; }
    static TimerGate& GateOf(Panel& panel) { return panel.gate_; }
    static SystemOutputDevices& Devices(Concealment& concealment) { return concealment.devices_; }
    static bool Holds(SystemOutputDevices& devices, const std::string& id) { return devices.Held(id) != nullptr; }
    static bool HoldsNone(SystemOutputDevices& devices) { return devices.volumes_.empty(); }
    static SpeakerMixer& Mixer(SystemOutputDevices& devices) { return devices.mixer_; }
    static HMIXER MixerHandle(SpeakerMixer& mixer) { return mixer.mixer_; }
    static DWORD MixerControl(SpeakerMixer& mixer) { return mixer.control_; }
    // As at process start: no enumerator, no device's volume, no mixer.
    static void Forget(SystemOutputDevices& devices)
    {
        devices.volumes_.clear();
        devices.devices_.reset();
        devices.enumeratorTried_ = false;
        devices.mixer_.Close();
    }
    static const ActionState& Action(Triggers& triggers, int index) { return triggers.actions_[index]; }
    static const GestureState& Gestures(Triggers& triggers) { return triggers.gestures_; }
    static HWND Chosen(RepeatTarget& target) { return target.target_; }
    static MacroEngine& Engine(Macros& macros) { return macros.engine_; }
    static cAppIconClass& Pad(Pads& pads, int index) { return pads.pads_[index]; }
    // As the pad's menu or a double click runs a command.
    static void RunPadCommand(Pads& pads, int index, int command) { pads.RunPadCommand(pads.pads_[index], command); }
    static TrayIcon ShownIcon(Tray& tray) { return tray.shown_; }
    static std::string Balloon(Tray& tray) { return tray.balloon_.szInfo; }
    static void ClearBalloon(Tray& tray) { tray.balloon_.szInfo[0] = '\0'; }
};

// The running test's panel, feature by feature.
inline auto& Features() { return PanelInternals::Of(ThePanel()); }
inline TimerGate& Gate() { return PanelInternals::GateOf(ThePanel()); }
inline Concealment& TheConcealment() { return Features().concealment; }
inline SystemOutputDevices& TheDevices() { return PanelInternals::Devices(TheConcealment()); }
inline Triggers& TheTriggers() { return Features().triggers; }
inline MacroEngine& TheEngine() { return PanelInternals::Engine(Features().macros); }
inline cAppIconClass& ThePad(int index) { return PanelInternals::Pad(Features().pads, index); }
