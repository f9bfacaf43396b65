#pragma once

#include <QByteArray>
#include <QPointer>

class Form1;
class QWidget;

bool asksForVersion(int argc, char* argv[]);

// The platform plug-in Qt will start: "-platform NAME", else QT_QPA_PLATFORM, else empty for the
// build's default.
QByteArray platformName(int argc, char* argv[]);

// Qt ends the process when its X11 or Wayland plug-in finds no display server, so the program
// asks first; the other platforms (Windows, macOS, offscreen) need no such server.
bool displayAvailable(const QByteArray& platform);

// Runs the event loop until the splash has drawn itself and the drawing has reached the display,
// or the splash is gone.
void waitUntilPainted(Form1* splash);

// Gives the built main window to the splash, or shows it at once if the user closed the splash
// meanwhile.
void handOver(const QPointer<Form1>& splash, QWidget* mainWindow);
