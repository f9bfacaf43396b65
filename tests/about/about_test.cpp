#include "tests/support/fakeopener.h"
#include "tests/support/pixels.h"
#include "tests/support/recordingprompter.h"
#include "tests/support/testmain.h"
#include "ui/about/form3.h"
#include "ui/common/contrast.h"
#include "ui/common/weblink.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace {

QLabel* label(QWidget* box, const QString& name) { return box->findChild<QLabel*>(name); }

void closeAndFlush(Form3* box)
{
    if (box)
        box->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QList<Form3*> aboutBoxes()
{
    QList<Form3*> boxes;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<Form3*>(w))
            boxes << box;
    return boxes;
}

int openAboutBoxes() { return int(aboutBoxes().size()); }

} // namespace

class AboutTest : public QObject {
    Q_OBJECT

public:
    // The box's own failure message is the only box it can raise; every test checks its count.
    AboutTest() { m_prompter.answerAll = QMessageBox::Ok; }

private slots:
    void cleanup();
    void captionsAreTheDesignedOnes_data();
    void captionsAreTheDesignedOnes();
    void noTextIsCutOff();
    void askingAgainRaisesTheOpenBox();
    void theBoxHasNoOwnerAndDoesNotBlock();
    void okAndTheCloseBoxCloseIt_data();
    void okAndTheCloseBoxCloseIt();
    void linksOpenTheHomePage_data();
    void linksOpenTheHomePage();
    void failingBrowserIsReportedOnceAndTheBoxStaysOpen();
    void versionIsOnALineBelowTheNotice();
    void darkDesktopKeepsTheNoticeReadable();

private:
    RecordingPrompter m_prompter;
};

void AboutTest::cleanup()
{
    for (Form3* box : aboutBoxes())
        closeAndFlush(box);
    m_prompter.boxes.clear();
}

void AboutTest::captionsAreTheDesignedOnes_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::newRow("Label1") << "Label1" << QStringLiteral("เวบไซต์");
    QTest::newRow("Label2") << "Label2" << QStringLiteral("อีเมล์");
    QTest::newRow("Label3") << "Label3" << QStringLiteral("โทรศัพท์");
    QTest::newRow("Label4 shows the site's address") << "Label4" << siteBaseAddress();
}

void AboutTest::captionsAreTheDesignedOnes()
{
    QFETCH(QString, control);
    QFETCH(QString, text);
    Form3* box = Form3::showSingle(m_prompter);
    QCOMPARE(box->windowTitle(), QStringLiteral("About :Drevanto Bolmiradex Concrete Mixed Design"));
    QCOMPARE(box->findChild<QPushButton*>(QStringLiteral("Command1"))->text(), QStringLiteral("ตกลง"));
    QCOMPARE(label(box, control)->text(), text);
}

void AboutTest::noTextIsCutOff()
{
    Form3* box = Form3::showSingle(m_prompter);
    const QStringList names{"Label1", "Label2", "Label3", "Label4",  "Label5", "Label6",
                            "Label7", "Label8", "Label9", "Label10", "Label11"};
    for (const QString& name : names) {
        QLabel* l = label(box, name);
        QVERIFY2(!l->text().isEmpty(), qPrintable(name));
        const int visible = qMin(l->width(), box->width() - l->x());
        QVERIFY2(l->fontMetrics().horizontalAdvance(l->text()) <= visible, qPrintable(name));
    }
}

void AboutTest::askingAgainRaisesTheOpenBox()
{
    Form3* first = Form3::showSingle(m_prompter);
    Form3* second = Form3::showSingle(m_prompter);
    QCOMPARE(second, first);
    QCOMPARE(openAboutBoxes(), 1);
    QVERIFY(first->isVisible());

    closeAndFlush(first);
    QCOMPARE(openAboutBoxes(), 0);
    Form3* again = Form3::showSingle(m_prompter);
    QVERIFY(again->isVisible());
    QCOMPARE(openAboutBoxes(), 1);
}

void AboutTest::theBoxHasNoOwnerAndDoesNotBlock()
{
    Form3* box = Form3::showSingle(m_prompter);
    QCOMPARE(box->parentWidget(), nullptr);
    QVERIFY(!box->isModal());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

void AboutTest::okAndTheCloseBoxCloseIt_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("OK") << "ok";
    QTest::newRow("close box") << "close";
    QTest::newRow("Escape") << "escape";
}

void AboutTest::okAndTheCloseBoxCloseIt()
{
    QFETCH(QString, how);
    QPointer<Form3> box = Form3::showSingle(m_prompter);
    if (how == QLatin1String("ok"))
        QTest::mouseClick(box->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    else if (how == QLatin1String("close"))
        box->close();
    else
        QTest::keyClick(box, Qt::Key_Escape);
    QVERIFY(!box->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(box.isNull());
    QCOMPARE(openAboutBoxes(), 0);
}

void AboutTest::linksOpenTheHomePage_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QStringList>("opened");
    QTest::newRow("web address") << "Label4" << QStringList{siteBaseAddress()};
    QTest::newRow("telephone number") << "Label6" << QStringList{siteBaseAddress()};
    QTest::newRow("e-mail address does nothing") << "Label5" << QStringList{};
    QTest::newRow("caption does nothing") << "Label1" << QStringList{};
}

void AboutTest::linksOpenTheHomePage()
{
    QFETCH(QString, control);
    QFETCH(QStringList, opened);
    const FakeOpener opener;
    Form3* box = Form3::showSingle(m_prompter);
    QTest::mouseClick(label(box, control), Qt::LeftButton);
    QTRY_COMPARE(FakeOpener::running(), 0);
    QCOMPARE(opener.opened(), opened);
    QVERIFY(m_prompter.boxes.isEmpty());
    QVERIFY(box->isVisible());
}

void AboutTest::failingBrowserIsReportedOnceAndTheBoxStaysOpen()
{
    const FakeOpener opener(FakeOpener::Browser::Fails);
    QPointer<Form3> box = Form3::showSingle(m_prompter);
    QTest::mouseClick(label(box, QStringLiteral("Label4")), Qt::LeftButton);
    QTRY_COMPARE(FakeOpener::running(), 0);
    QCOMPARE(m_prompter.boxes.size(), 1);
    const MessageBoxSpec& shown = m_prompter.boxes.first();
    QCOMPARE(shown.text, QStringLiteral("Unable to start Web browser !"));
    QCOMPARE(shown.title, applicationTitle());
    QCOMPARE(shown.icon, QMessageBox::NoIcon);
    QCOMPARE(shown.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(box);
    QVERIFY(box->isVisible());
    QCOMPARE(openAboutBoxes(), 1);
    QCOMPARE(Form3::showSingle(m_prompter), box.data());
}

void AboutTest::versionIsOnALineBelowTheNotice()
{
    Form3* box = Form3::showSingle(m_prompter);
    QCOMPARE(label(box, "Label11")->text(), QStringLiteral("เวอร์ชัน 1.0.0"));
    QCOMPARE(label(box, "Label10")->geometry(), QRect(16, 264, 425, 17));
    QCOMPARE(box->findChild<QPushButton*>("Command1")->geometry(), QRect(480, 256, 73, 25));
    QVERIFY(label(box, "Label11")->y() >= 281);
    QVERIFY(box->rect().contains(label(box, "Label11")->geometry()));
}

// What is drawn: the strongest contrast any pixel of the label's text has against the box.
void AboutTest::darkDesktopKeepsTheNoticeReadable()
{
    const QPalette light = QApplication::palette();
    QPalette dark = light;
    dark.setColor(QPalette::Window, QColor(53, 53, 53));
    dark.setColor(QPalette::WindowText, QColor(238, 238, 238));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, QColor(255, 255, 255));
    QApplication::setPalette(dark);
    Form3* box = Form3::showSingle(m_prompter);
    const QImage drawn = box->grab().toImage();
    const QColor behind = drawn.pixelColor(2, drawn.height() - 2);
    QCOMPARE(behind, QColor(53, 53, 53));
    for (const char* name : {"Label4", "Label5", "Label6", "Label7", "Label8", "Label9", "Label10", "Label11"}) {
        const double best = strongestContrast(drawn, label(box, name)->geometry() & drawn.rect(), behind);
        QVERIFY2(best >= 4.5, qPrintable(QStringLiteral("%1 %2").arg(name).arg(best)));
    }
    closeAndFlush(box);
    QApplication::setPalette(light);
}

MIXDESIGN_TEST_MAIN(AboutTest)

#include "about_test.moc"
