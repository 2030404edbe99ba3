#include "capture/capture.h"

#include "capture/folder_picker.h"
#include "capture/image_folder.h"
#include "capture/window_capture.h"
#include "core/capture/image_folder_settings.h"
#include "res/resource.h"
#include "win/panel_gate.h"

Capture::Capture(DesktopRules& desktop) : desktop_(desktop), imageFolder_(DefaultImageFolder())
{
}

std::vector<int> Capture::RoutedCommands() const { return {IDC_CAPTURE, IDC_BROWSE_FOLDER}; }

std::vector<int> Capture::InputCommands() const { return {IDC_IMAGE_FOLDER}; }

void Capture::OnCommand(int id, int)
{
    switch (id) {
    case IDC_CAPTURE:
        CaptureForegroundWindow(desktop_, panel_, imageFolder_);
        break;
    case IDC_BROWSE_FOLDER:
        ChooseFolder();
        break;
    case IDC_IMAGE_FOLDER:
        TakeImageFolder(panel_, imageFolder_);
        break;
    default:
        break;
    }
}

void Capture::Save(SettingsValues& values) const { StoreImageFolder(imageFolder_, values); }

void Capture::Load(const SettingsValues& values)
{
    LoadImageFolder(values, imageFolder_);
    // The edit's notification brings the same text back.
    SetDlgItemTextA(panel_, IDC_IMAGE_FOLDER, imageFolder_.c_str());
}

void Capture::ChooseFolder()
{
    ScopedPanelGate closed(panel_);
    PickedFolder folder;
    lstrcpynA(folder.path, imageFolder_.c_str(), sizeof folder.path);
    if (BrowseImageFolder(panel_, "画像保存先フォルダの指定", folder)) {
        imageFolder_ = folder.path;
        SetDlgItemTextA(panel_, IDC_IMAGE_FOLDER, folder.path);
    }
}
