#include "ui/common/nosettings.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>

class TestNoSettings : public QObject {
    Q_OBJECT

public:
    explicit TestNoSettings(const QString& configFolder) : m_configFolder(configFolder) {}

private slots:
    void fileDialogLeavesNoSettingsBehind()
    {
        keepNoSettings();
        QTemporaryDir browsed;
        for (const auto mode : {QFileDialog::AcceptSave, QFileDialog::AcceptOpen}) {
            QFileDialog dialog(nullptr, QStringLiteral("PDF"), browsed.path(), QStringLiteral("PDF (*.pdf)"));
            dialog.setAcceptMode(mode);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            dialog.reject();
        }
        QCOMPARE(QDir(m_configFolder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
                 QStringList{});
        // The desktop's own chooser keeps state of its own; offscreen there is none to watch.
        QVERIFY(QCoreApplication::testAttribute(Qt::AA_DontUseNativeDialogs));
    }

private:
    QString m_configFolder;
};

// The user's configuration folder is an empty private one from before Qt first looks for it.
int main(int argc, char** argv)
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestNoSettings test(config.path());
    return QTest::qExec(&test, argc, argv);
}

#include "nosettings_test.moc"
