#include "app/startup.h"
#include "engine/version.h"
#include "ui/about/form3.h"
#include "ui/common/designfont.h"
#include "ui/common/nosettings.h"
#include "ui/common/prompter.h"
#include "ui/common/toolkittranslation.h"
#include "ui/main/form2.h"
#include "ui/main/resultspage.h"
#include "ui/print/reportcommand.h"
#include "ui/splash/form1.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char* argv[])
{
    if (asksForVersion(argc, argv)) {
        std::printf("bolmiradex %s\n", std::string(mix::kVersion).c_str());
        return EXIT_SUCCESS;
    }
    if (!displayAvailable(platformName(argc, argv))) {
        std::fputs("bolmiradex: no display available; start it on a desktop, or use mixdesign.\n", stderr);
        return EXIT_FAILURE;
    }
    QApplication app(argc, argv);
    keepNoSettings();
    QApplication::setApplicationName(QStringLiteral("bolmiradex"));
    QGuiApplication::setDesktopFileName(QStringLiteral("bolmiradex"));
    QApplication::setFont(designFont());
    installToolkitTranslation(&app);

    // The splash goes on screen first; the main window is built hidden while it shows, and the
    // splash shows it at the hand-over.
    auto* splash = new Form1;
    splash->show();
    waitUntilPainted(splash);

    Form2 mainWindow;
    print::ReportCommand report(&mainWindow, defaultPrompter(), [&mainWindow] { return mainWindow.shownDesign(); });
    QObject::connect(&mainWindow, &Form2::printRequested, &report, &print::ReportCommand::Command2_Click);
    QObject::connect(&mainWindow, &Form2::printSetupRequested, &report, &print::ReportCommand::setprint_Click);
    QObject::connect(&mainWindow, &Form2::savePdfRequested, &report, &print::ReportCommand::savePdf);
    QObject::connect(&mainWindow, &Form2::previewRequested, &report, &print::ReportCommand::printPreview);
    QObject::connect(&mainWindow, &Form2::cardRequested, &report, &print::ReportCommand::printCard);
    QObject::connect(&mainWindow, &Form2::cardPdfRequested, &report, &print::ReportCommand::saveCardPdf);
    report.setAcceptanceSource([&mainWindow] { return mainWindow.resultsPage()->acceptance(); });
    QObject::connect(mainWindow.resultsPage(), &ResultsPage::printRequested, &report,
                     &print::ReportCommand::printAcceptance);
    QObject::connect(mainWindow.resultsPage(), &ResultsPage::previewRequested, &report,
                     &print::ReportCommand::previewAcceptance);
    QObject::connect(mainWindow.resultsPage(), &ResultsPage::savePdfRequested, &report,
                     &print::ReportCommand::saveAcceptancePdf);
    QObject::connect(&report, &print::ReportCommand::saved, &mainWindow, &Form2::showSaved);
    QObject::connect(&mainWindow, &Form2::aboutRequested, [] { Form3::showSingle(); });

    handOver(splash, &mainWindow);
    // Only the windows that follow show the icon; the splash has neither title bar nor task-bar
    // entry, so drawing the icon for it would only hold it up.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/app.svg")));
    return app.exec();
}
