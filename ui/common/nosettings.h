#pragma once

// The program keeps no settings, yet Qt's file dialog, and the desktop's own one behind it,
// record folders, history and window sizes in the user's configuration whenever a dialog
// closes. Call once, after the QApplication is made and before the first file dialog.
void keepNoSettings();
