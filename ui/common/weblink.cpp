#include "ui/common/weblink.h"

#include "ui/common/prompter.h"
#include "ui/common/siteconfig.h"

#include <QDesktopServices>
#include <QUrl>

QString siteBaseAddress() { return QStringLiteral(MIXDESIGN_SITE_BASE_ADDRESS); }

QString siteHost() { return QUrl(siteBaseAddress()).host(); }

QString siteName() { return QStringLiteral(MIXDESIGN_SITE_NAME); }

QString applicationTitle() { return QStringLiteral("Drevanto Bolmiradex Concrete Mixed Design"); }

bool openWebLink(QWidget* owner, const QString& address, Prompter& prompter)
{
    if (QDesktopServices::openUrl(QUrl(address)))
        return true;
    MessageBoxSpec box;
    box.text = QStringLiteral("Unable to start Web browser !");
    box.title = applicationTitle();
    box.icon = QMessageBox::NoIcon;
    box.buttons = QMessageBox::Ok;
    prompter.ask(owner, box);
    return false;
}
