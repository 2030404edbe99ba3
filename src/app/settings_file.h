// ini.dat beside the executable: read once while the panel starts, over the
// features' defaults, and written when the panel ends (and when the session
// ends).
#pragma once
#include <windows.h>

#include <string>

#include "core/settings/settings_codec.h"

enum class SettingsLoad {
    Loaded,      // the file's values are in `values`
    NoFile,      // no file yet (the first start): the defaults stay
    Unreadable,  // there, but held by another program or unreadable after
                 // about a second of retries: the defaults stay, and the
                 // file is never written over in this run
    BadFolder,   // the executable's folder has a name the program cannot
                 // write (characters outside the code page): as Unreadable
};

std::string SettingsFilePath();

class SettingsFile {
public:
    // Reads the file over `values`.
    SettingsLoad Read(SettingsValues& values);
    // Writes the values, trying again for about a second while another
    // program holds the file; false when nothing was saved, either because
    // it could not be or because the file could not be read at start and is
    // kept.
    bool Write(const SettingsValues& values) const;

    // Whether the file is kept because it could not be read at start.
    bool Kept() const;
    // Tells the player, once, that the settings on screen are the defaults
    // and will not be saved, and why.
    void ReportUnreadable(HWND owner) const;
    // Tells the player that the last save failed (another program held the
    // file all the while, the disk is full): once, after the program's
    // windows have gone.
    static void ReportLost();

private:
    SettingsLoad keptBecause_ = SettingsLoad::Loaded;
};
