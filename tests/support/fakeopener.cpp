#include "tests/support/fakeopener.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QProcess>
#include <QUrl>

namespace {

const char* const schemes[] = {"http", "https"};

} // namespace

FakeOpener::FakeOpener(Browser browser)
{
#ifdef Q_OS_LINUX
    m_oldPath = qgetenv("PATH");
    const QString folder = m_folder.path();
    if (browser == Browser::Missing) {
        qputenv("PATH", QFile::encodeName(folder));
        return;
    }
    const char* ending = browser == Browser::Opens ? "exit 0" : browser == Browser::Fails ? "exit 3" : "kill -9 $$";
    QFile script(folder + QStringLiteral("/xdg-open"));
    if (script.open(QIODevice::WriteOnly)) {
        script.write("#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" + QFile::encodeName(folder) + "/opened'\n" + ending +
                     "\n");
        script.close();
        script.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
    qputenv("PATH", QFile::encodeName(folder) + ':' + m_oldPath);
#else
    for (const char* scheme : schemes)
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this,
                                        browser == Browser::Opens ? "open" : "noSuchSlot");
#endif
}

FakeOpener::~FakeOpener()
{
#ifdef Q_OS_LINUX
    qputenv("PATH", m_oldPath);
#else
    for (const char* scheme : schemes)
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
#endif
}

QStringList FakeOpener::opened() const
{
#ifdef Q_OS_LINUX
    QFile record(m_folder.path() + QStringLiteral("/opened"));
    if (!record.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(record.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
#else
    return m_opened;
#endif
}

int FakeOpener::running() { return int(QCoreApplication::instance()->findChildren<QProcess*>().size()); }

void FakeOpener::open(const QUrl& url) { m_opened << url.toString(); }
