#include "tests/support/fakeopener.h"
#include "tests/support/recordingprompter.h"
#include "ui/common/weblink.h"

#include <QTest>
#include <QWidget>

#include <memory>

namespace {

// The box belongs to the window whose link it was.
class OwnerRecordingPrompter : public RecordingPrompter {
public:
    QList<QWidget*> owners;

    OwnerRecordingPrompter() { answerAll = QMessageBox::Ok; }
    QMessageBox::StandardButton ask(QWidget* owner, const MessageBoxSpec& box) override
    {
        owners.append(owner);
        return RecordingPrompter::ask(owner, box);
    }
};

const QString address = QStringLiteral("https://www.example.co.th/a page?x=1&y=2");

} // namespace

// Whether the desktop's opener starts and how it ends decides the one failure box.
class TestWebLink : public QObject {
    Q_OBJECT

private slots:
    void failureIsToldOnce_data()
    {
        QTest::addColumn<FakeOpener::Browser>("browser");
        QTest::addColumn<int>("boxes");
        QTest::newRow("browser opens") << FakeOpener::Browser::Opens << 0;
        QTest::newRow("no browser or handler: the opener exits non-zero") << FakeOpener::Browser::Fails << 1;
        QTest::newRow("the opener crashes") << FakeOpener::Browser::Crashes << 1;
        QTest::newRow("no opener at all") << FakeOpener::Browser::Missing << 1;
    }
    void failureIsToldOnce()
    {
        QFETCH(FakeOpener::Browser, browser);
        QFETCH(int, boxes);
        FakeOpener opener(browser);
        QWidget window;
        OwnerRecordingPrompter prompter;

        openWebLink(&window, address, prompter);
        QTRY_COMPARE(FakeOpener::running(), 0);

        QCOMPARE(opener.opened(), browser == FakeOpener::Browser::Missing ? QStringList{} : QStringList{address});
        QCOMPARE(prompter.boxes.size(), boxes);
        for (const MessageBoxSpec& box : prompter.boxes) {
            QCOMPARE(box.text, QStringLiteral("Unable to start Web browser !"));
            QCOMPARE(box.title, QStringLiteral("Drevanto Bolmiradex Concrete Mixed Design"));
            QCOMPARE(box.icon, QMessageBox::NoIcon);
            QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        }
        for (QWidget* owner : prompter.owners)
            QCOMPARE(owner, &window);
    }

    void windowClosedMeanwhileIsNotTold()
    {
        FakeOpener opener(FakeOpener::Browser::Fails);
        OwnerRecordingPrompter prompter;
        auto window = std::make_unique<QWidget>();
        openWebLink(window.get(), address, prompter);
        window.reset();
        QTRY_COMPARE(FakeOpener::running(), 0);
        QCOMPARE(opener.opened(), QStringList{address});
        QVERIFY(prompter.boxes.isEmpty());
    }
};

QTEST_MAIN(TestWebLink)
#include "weblink_test.moc"
