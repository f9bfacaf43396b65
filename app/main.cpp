#include "report/reportcommand.h"
#include "ui/about/form3.h"
#include "ui/common/designfont.h"
#include "ui/common/nosettings.h"
#include "ui/common/prompter.h"
#include "ui/main/form2.h"
#include "ui/splash/form1.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <cstdlib>

namespace {

// QApplication ends the process when it finds no display, so ask before creating it.
bool displayAvailable()
{
    const auto set = [](const char* name) { return !qEnvironmentVariableIsEmpty(name); };
    return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char* argv[])
{
    if (!displayAvailable()) {
        std::fputs("bolmiradex: no display available; start it on a desktop, or use mixdesign.\n", stderr);
        return EXIT_FAILURE;
    }
    QApplication app(argc, argv);
    keepNoSettings();
    QApplication::setApplicationName(QStringLiteral("bolmiradex"));
    QGuiApplication::setDesktopFileName(QStringLiteral("bolmiradex"));
    QApplication::setFont(designFont());

    // Created hidden before the splash, so the main window's own start-up work is done while the
    // splash is on screen; the splash sets its caption and shows it when it hands over.
    Form2 mainWindow;
    report::ReportCommand report(&mainWindow, defaultPrompter(), [&mainWindow] { return mainWindow.lastResult(); });
    report.setPlanSource([&mainWindow] { return mainWindow.pourPlan(); });
    QObject::connect(&mainWindow, &Form2::printRequested, &report, &report::ReportCommand::Command2_Click);
    QObject::connect(&mainWindow, &Form2::printSetupRequested, &report, &report::ReportCommand::setprint_Click);
    QObject::connect(&mainWindow, &Form2::savePdfRequested, &report, &report::ReportCommand::savePdf);
    QObject::connect(&mainWindow, &Form2::previewRequested, &report, &report::ReportCommand::printPreview);
    QObject::connect(&mainWindow, &Form2::aboutRequested, [] { Form3::showSingle(); });

    auto* splash = new Form1(&mainWindow);
    splash->show();
    // Only the windows that follow show the icon; the splash has neither title bar nor task-bar
    // entry, so drawing the icon for it would only hold it up.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/app.svg")));
    return app.exec();
}
