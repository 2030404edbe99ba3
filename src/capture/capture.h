// Capture: the front window's client area saved as the next numbered BMP file
// of the image folder (IDC_CAPTURE and its action), the image folder's edit
// (IDC_IMAGE_FOLDER) and its picker (IDC_BROWSE_FOLDER).
#pragma once
#include <windows.h>

#include <string>

#include "win/desktop_rules.h"
#include "win/panel_feature.h"

class Capture final : public PanelFeature {
public:
    explicit Capture(DesktopRules& desktop);

    std::vector<int> RoutedCommands() const override;  // the capture and browse buttons
    std::vector<int> InputCommands() const override;   // the folder's edit
    void OnCommand(int id, int code) override;
    void Save(SettingsValues& values) const override;
    void Load(const SettingsValues& values) override;

private:
    // The picker opens on the image folder, with the gate closed; a chosen
    // folder becomes the image folder and the edit's text.
    void ChooseFolder();

    DesktopRules& desktop_;
    std::string imageFolder_;  // code page 932
};
