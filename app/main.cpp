#include "form1.h"
#include "form2.h"
#include "form3.h"
#include "prompter.h"
#include "reportcommand.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("bolmiradex"));
    QGuiApplication::setDesktopFileName(QStringLiteral("bolmiradex"));

    // Created hidden before the splash, so the main window's own start-up work is done while the
    // splash is on screen; the splash shows it when it hands over.
    Form2 mainWindow;
    report::ReportCommand report(
        &mainWindow, defaultPrompter(), [&mainWindow](const QString& control) { return mainWindow.caption(control); },
        [&mainWindow] { return mainWindow.design().mcement; });
    QObject::connect(&mainWindow, &Form2::printRequested, &report, &report::ReportCommand::Command2_Click);
    QObject::connect(&mainWindow, &Form2::printSetupRequested, &report, &report::ReportCommand::setprint_Click);
    QObject::connect(&mainWindow, &Form2::savePdfRequested, &report, &report::ReportCommand::savePdf);
    QObject::connect(&mainWindow, &Form2::aboutRequested, [] { Form3::showSingle(); });

    auto* splash = new Form1(&mainWindow);
    splash->show();
    // Only the windows that follow show the icon; the splash has neither title bar nor task-bar
    // entry, so drawing the icon for it would only hold it up.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/app.svg")));
    return app.exec();
}
