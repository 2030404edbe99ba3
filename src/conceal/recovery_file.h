// The file "hidden.dat" beside the executable that lists the concealed windows
// and the devices the concealment muted while there are any, so that no
// crash or kill of the program can leave them hidden, or a device muted, with
// no way back.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "core/conceal/recovery_list.h"

class RecoveryFile {
public:
    // What the files left by an earlier run hold. A new file left beside the
    // old one ("hidden.dat.new": its replace failed, then the run ended) is
    // the later, whole record and is read alone; the old file is read only
    // when the new one is not there, or is cut or damaged, and then the new
    // one's entries count over the old one's. A file that is there but
    // cannot be read (another program holds it) is tried for about a second,
    // and then kept: this run never deletes or overwrites it.
    RecoveryState Read();

    // Writes the state whole (beside the file, then in its place), or removes
    // the files when the state is empty. Left to the system's cache: a crash
    // of the program loses nothing, and after a crash of the system the
    // windows are gone anyway. When the new file cannot be moved in (another
    // program holds the old one), it stays beside it for the next start.
    // While a file is kept nothing is written: the next start reads it.
    void Update(const RecoveryState& state);

    bool Kept() const { return !kept_.empty(); }
    // Tells the player, once, which file could not be read.
    void ReportUnreadable(HWND owner) const;

private:
    std::vector<std::string> kept_;
};
