// ini.dat beside the executable: read once while the panel starts, written
// when the panel ends (and when the session ends). The file is a mapping of
// the panel's model.
#pragma once
#include <windows.h>

#include <string>

#include "core/model/panel_model.h"

enum class SettingsLoad {
    Loaded,      // the file's values are in the model
    NoFile,      // no file yet (the first start): the defaults stay
    Unreadable,  // there, but held by another program or unreadable after
                 // about a second of retries: the defaults stay, and the
                 // file is never written over in this run
    BadFolder,   // the executable's folder has a name the program cannot
                 // write (characters outside the code page): as Unreadable
};

// Reads the file over the model.
SettingsLoad LoadSettingsFile(PanelModel& model);
// Writes the model, trying again for about a second while another program
// holds the file; false when nothing was saved, either because it could not
// be or because the file could not be read at start and is kept.
bool SaveSettingsFile(const PanelModel& model);

// Whether the file is kept because it could not be read at start.
bool StoredSettingsAreKept();
// Tells the player, once, that the settings on screen are the defaults and
// will not be saved, and why.
void ReportUnreadableSettings(HWND owner);

// Whether the last save failed although the file was not kept (another
// program held it all the while, the disk is full); the player is told once,
// after the program's windows have gone.
bool SettingsWereLost();
void ReportLostSettings();

std::string SettingsFilePath();
