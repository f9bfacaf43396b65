#include "app/startup.h"

#include "ui/splash/form1.h"

#include <QEventLoop>
#include <QGuiApplication>

#include <cstring>

bool asksForVersion(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--version") == 0)
            return true;
    return false;
}

QByteArray platformName(int argc, char* argv[])
{
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return QByteArray(argv[i + 1]);
    return qgetenv("QT_QPA_PLATFORM");
}

bool displayAvailable(const QByteArray& platform)
{
    const auto set = [](const char* name) { return !qEnvironmentVariableIsEmpty(name); };
    // "xcb:option" and "wayland;xcb" name the plug-in first.
    const QByteArray plugin = platform.split(';').constFirst().split(':').constFirst().trimmed();
    if (plugin.startsWith("xcb"))
        return set("DISPLAY");
    if (plugin.startsWith("wayland"))
        return set("WAYLAND_DISPLAY");
    if (!plugin.isEmpty())
        return true;
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS) && !defined(Q_OS_ANDROID)
    return set("DISPLAY") || set("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

void waitUntilPainted(Form1* splash)
{
    if (splash->hasPainted())
        return;
    QEventLoop loop;
    QObject::connect(splash, &Form1::firstPainted, &loop, &QEventLoop::quit);
    QObject::connect(splash, &QObject::destroyed, &loop, &QEventLoop::quit);
    loop.exec();
    // The drawing is only queued for the display until the event loop would wait; send it now,
    // before the main window keeps the loop busy.
    QGuiApplication::sync();
}

void handOver(const QPointer<Form1>& splash, QWidget* mainWindow)
{
    if (splash)
        splash->setMainWindow(mainWindow);
    else
        mainWindow->show();
}
