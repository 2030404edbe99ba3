// What the in-process tests look at inside the panel's objects, through the
// friend that each of them names; the program itself needs none of it.
#pragma once
#include <windows.h>
#include <mmdeviceapi.h>
#include <endpointvolume.h>

#include <string>
#include <vector>

#include "app/panel.h"
#include "panel_fixture.h"

struct PanelInternals {
    static const std::vector<PanelFeature*>& Order(Panel& panel) { return panel.order_; }
    static Concealment& ConcealmentOf(Panel& panel) { return panel.concealment_; }
    static Macros& MacrosOf(Panel& panel) { return panel.macros_; }
    static Repeaters& RepeatersOf(Panel& panel) { return panel.repeaters_; }
    static Triggers& TriggersOf(Panel& panel) { return panel.triggers_; }
    static Pads& PadsOf(Panel& panel) { return panel.pads_; }
    static Tray& TrayOf(Panel& panel) { return panel.tray_; }
    static TrayState TrayStateOf(Panel& panel) { return panel.GatherTrayState(); }
    static ClickRepeater& Left(Repeaters& repeaters) { return repeaters.left_; }
    static KeyRepeater& Keys(Repeaters& repeaters) { return repeaters.keys_; }
    static RepeatTarget& Target(Repeaters& repeaters) { return repeaters.target_; }
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
inline const std::vector<PanelFeature*>& FeatureOrder() { return PanelInternals::Order(ThePanel()); }
inline TimerGate& Gate() { return PanelInternals::GateOf(ThePanel()); }
inline Concealment& TheConcealment() { return PanelInternals::ConcealmentOf(ThePanel()); }
inline SystemOutputDevices& TheDevices() { return PanelInternals::Devices(TheConcealment()); }
inline Triggers& TheTriggers() { return PanelInternals::TriggersOf(ThePanel()); }
inline MacroEngine& TheEngine() { return PanelInternals::Engine(PanelInternals::MacrosOf(ThePanel())); }
inline Pads& ThePads() { return PanelInternals::PadsOf(ThePanel()); }
inline cAppIconClass& ThePad(int index) { return PanelInternals::Pad(ThePads(), index); }
inline Tray& TheTray() { return PanelInternals::TrayOf(ThePanel()); }
// What the tray shows now, as the panel gathers it from the features.
inline TrayState TrayStateNow() { return PanelInternals::TrayStateOf(ThePanel()); }
inline ClickRepeater& TheLeftRepeater() { return PanelInternals::Left(PanelInternals::RepeatersOf(ThePanel())); }
inline KeyRepeater& TheKeys() { return PanelInternals::Keys(PanelInternals::RepeatersOf(ThePanel())); }
inline RepeatTarget& TheTarget() { return PanelInternals::Target(PanelInternals::RepeatersOf(ThePanel())); }
