#include "ui/common/weblink.h"

#include "ui/common/prompter.h"
#include "ui/common/siteconfig.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QPointer>
#include <QProcess>
#include <QUrl>
#include <QWidget>

QString siteBaseAddress() { return QStringLiteral(MIXDESIGN_SITE_BASE_ADDRESS); }

QString siteHost() { return QUrl(siteBaseAddress()).host(); }

QString siteName() { return QStringLiteral(MIXDESIGN_SITE_NAME); }

QString applicationTitle() { return QStringLiteral("Drevanto Bolmiradex Concrete Mixed Design"); }

namespace {

void tellBrowserFailed(QWidget* owner, Prompter& prompter)
{
    MessageBoxSpec box;
    box.text = QStringLiteral("Unable to start Web browser !");
    box.title = applicationTitle();
    box.icon = QMessageBox::NoIcon;
    box.buttons = QMessageBox::Ok;
    prompter.ask(owner, box);
}

} // namespace

#ifdef Q_OS_LINUX

// xdg-open starts even where no browser or no handler for the address is set up, and only
// its exit status says so; the desktop service would report the start alone. So it is
// watched to its end, without waiting for it here.
void openWebLink(QWidget* owner, const QString& address, Prompter& prompter)
{
    // Owned by the application rather than the window: closing the window must not kill an
    // opener that is still handing the address over.
    auto* opener = new QProcess(QCoreApplication::instance());
    opener->setProgram(QStringLiteral("xdg-open"));
    opener->setArguments({address});
    opener->setProcessChannelMode(QProcess::ForwardedChannels);
    opener->setStandardInputFile(QProcess::nullDevice());

    // A window closed in the meantime has nobody left to tell.
    const QPointer<QWidget> window(owner);
    const auto failed = [window, owner, &prompter] {
        if (window || !owner)
            tellBrowserFailed(window, prompter);
    };
    // A start failure comes without `finished`, a crash with both: each is told once.
    QObject::connect(opener, &QProcess::errorOccurred, opener, [opener, failed](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        opener->deleteLater();
        failed();
    });
    QObject::connect(opener, &QProcess::finished, opener, [opener, failed](int code, QProcess::ExitStatus status) {
        opener->deleteLater();
        if (status != QProcess::NormalExit || code != 0)
            failed();
    });
    opener->start();
}

#else

void openWebLink(QWidget* owner, const QString& address, Prompter& prompter)
{
    if (!QDesktopServices::openUrl(QUrl(address)))
        tellBrowserFailed(owner, prompter);
}

#endif
