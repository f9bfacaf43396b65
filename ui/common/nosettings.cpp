#include "ui/common/nosettings.h"

#include <QCoreApplication>
#include <QSettings>

void keepNoSettings()
{
    // The desktop's chooser (GTK's, through the platform theme) writes its own state through
    // GSettings; Qt's dialog has no such habit of its own.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);

    // Qt's dialog saves its state to QtProject.conf as it is destroyed, with no option against
    // it. A settings folder that is in fact a file, the program itself, can hold no file, so
    // that save fails quietly, for root too. Where settings live in the registry (Windows) or
    // in property lists (macOS), this path is not used.
    const QString nowhere = QCoreApplication::applicationFilePath();
    if (nowhere.isEmpty())
        return;
    for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, nowhere);
}
