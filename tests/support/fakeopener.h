#pragma once

#include <QObject>
#include <QStringList>
#include <QTemporaryDir>

class QUrl;

// Stands in for the desktop's web opener while it lives: records every address it is asked
// to open, and opens it, fails as an opener with no browser does, or is not there at all.
// On Linux it is an xdg-open put first on PATH; elsewhere a handler of the desktop service.
class FakeOpener : public QObject {
    Q_OBJECT

public:
    enum class Browser { Opens, Fails, Crashes, Missing };
    Q_ENUM(Browser)
    explicit FakeOpener(Browser browser = Browser::Opens);
    ~FakeOpener() override;

    QStringList opened() const; // in the order asked
    static int running();       // openers started and not yet ended

public slots:
    void open(const QUrl& url);

private:
    QTemporaryDir m_folder;
    QByteArray m_oldPath;
    QStringList m_opened;
};
