// The file dialog and the wave player, loaded at their first call rather than
// with the program: the file dialog's library brings the print spooler (and,
// under Wine, its printing and TLS libraries) and the wave player its sound
// drivers, held for the whole of a tray program's rest though most runs never
// browse for a file and play a sound only at a recovery.
#pragma once
#include <windows.h>
#include <commdlg.h>

namespace mt {

// GetOpenFileNameA; false also when the library is missing.
bool getOpenFileName(OPENFILENAMEA* ofn);

// sndPlaySoundA; nothing plays when the library is missing.
void playSound(const char* path, UINT flags);

}  // namespace mt
