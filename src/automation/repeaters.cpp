#include "automation/repeaters.h"

#include <algorithm>

Repeaters::Repeaters(DesktopRules& desktop)
    : desktop_(desktop),
      left_(desktop, ClickSide::Left),
      right_(desktop, ClickSide::Right),
      keys_(desktop),
      target_(desktop),
      parts_{&left_, &right_, &keys_, &target_}
{
    for (PanelFeature* part : parts_) {
        for (const std::vector<int>& ids : {part->RoutedCommands(), part->InputCommands()}) {
            for (int id : ids) commandParts_.push_back({static_cast<UINT_PTR>(id), part});
        }
        for (UINT_PTR id : part->Timers()) timerParts_.push_back({id, part});
    }
}

PanelFeature* Repeaters::PartFor(const std::vector<std::pair<UINT_PTR, PanelFeature*>>& parts, UINT_PTR id)
{
    for (const auto& [partId, part] : parts) {
        if (partId == id) return part;
    }
    return nullptr;
}

std::vector<int> Repeaters::RoutedCommands() const
{
    std::vector<int> ids;
    for (PanelFeature* part : parts_) {
        const std::vector<int> own = part->RoutedCommands();
        ids.insert(ids.end(), own.begin(), own.end());
    }
    return ids;
}

std::vector<int> Repeaters::InputCommands() const { return target_.InputCommands(); }

void Repeaters::OnCommand(int id, int code)
{
    if (PanelFeature* part = PartFor(commandParts_, static_cast<UINT_PTR>(id))) part->OnCommand(id, code);
}

std::vector<UINT_PTR> Repeaters::Timers() const
{
    std::vector<UINT_PTR> ids;
    for (const auto& timerPart : timerParts_) ids.push_back(timerPart.first);
    return ids;
}

void Repeaters::OnTimer(UINT_PTR id)
{
    HWND front = GetForegroundWindow();
    if (!target_.FilterPasses(front)) {
        Wait();
        return;
    }
    NoteFront(front);
    if (PanelFeature* part = PartFor(timerParts_, id)) part->OnTimer(id);
}

void Repeaters::Wait()
{
    TicksPaused();
    keys_.LetGo();
}

void Repeaters::TicksPaused()
{
    left_.LetGo();
    right_.LetGo();
}

void Repeaters::NoteFront(HWND front)
{
    if (front == lastFront_) return;
    lastFront_ = front;
    if (std::find(toldElevated_.begin(), toldElevated_.end(), front) != toldElevated_.end() ||
        !desktop_.OfHigherIntegrity(front))
        return;
    toldElevated_.push_back(front);
    char title[128] = "";
    GetWindowTextA(front, title, sizeof title);
    warning_ = std::string("「") + title +
               "」は管理者として実行されているため、クリックやキーが届きません。"
               "PLOVNIKAR も管理者として実行してください。";
}

std::string Repeaters::TakeWarning()
{
    std::string warning;
    warning.swap(warning_);
    return warning;
}

void Repeaters::ShowInTray(TrayState& tray) const
{
    tray.icon = TrayIconFor(left_.On(), right_.On());
    for (PanelFeature* part : parts_) part->ShowInTray(tray);
}

bool Repeaters::FaceOf(int controlId, COLORREF& face) const
{
    for (PanelFeature* part : parts_) {
        if (part->FaceOf(controlId, face)) return true;
    }
    return false;
}

void Repeaters::SetUp()
{
    for (PanelFeature* part : parts_) {
        part->Attach(panel_);
        part->SetUp();
    }
}

void Repeaters::Save(SettingsValues& values) const
{
    for (PanelFeature* part : parts_) part->Save(values);
}

void Repeaters::Load(const SettingsValues& values)
{
    for (PanelFeature* part : parts_) part->Load(values);
}

void Repeaters::LeaveNothingBehind()
{
    for (PanelFeature* part : parts_) part->LeaveNothingBehind();
}

void Repeaters::ShutDown()
{
    for (PanelFeature* part : parts_) part->ShutDown();
}
