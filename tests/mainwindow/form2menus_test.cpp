#include "tests/mainwindow/form2fixture.h"
#include "tests/mainwindow/windowcaptions.h"
#include "tests/support/fakeopener.h"
#include "tests/support/golden.h"
#include "ui/common/picturelabel.h"

#include "ui/common/weblink.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>

namespace {

// The seven link triggers: six menu entries and the picture on the data-entry tab.
void follow(Form2& window, const QString& link)
{
    if (link == "Image1")
        QTest::mouseClick(control(window, link), Qt::LeftButton);
    else
        window.findChild<QAction*>(link)->trigger();
}

const char* const links[] = {"drev", "club", "crose", "shop", "download", "educate", "Image1"};

} // namespace

// The menu bar, the web links and the exit question.
class TestForm2Menus : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(openWindow(m_window, m_prompter));
        enter(*m_window, firstExample());
        calculate(*m_window);
        emit control<PictureLabel>(*m_window, "Image11")->clicked();
        // Layout the set-up left pending would otherwise land while a test waits for the opener.
        QCoreApplication::processEvents();
    }
    void cleanup() { QVERIFY2(closeWindow(m_window, m_prompter), "an expected message box never came"); }

    void menuBarCaptionsAndShortcuts()
    {
        const QList<QAction*> menus = m_window->menuBar()->actions();
        QCOMPARE(menus.size(), int(menuCaptions.size()));
        const char* const names[] = {"main", "web", "about"};
        for (int i = 0; i < menus.size(); ++i) {
            QCOMPARE(menus[i]->text(), QString::fromUtf8(menuCaptions[size_t(i)]));
            QCOMPARE(menus[i]->menu()->objectName(), QString::fromLatin1(names[i]));
        }
        for (const auto& [name, caption] : menuEntries)
            QCOMPARE(m_window->findChild<QAction*>(name)->text(), QString::fromUtf8(caption));
        QCOMPARE(m_window->findChild<QAction*>("drev")->text(), siteName());
        QCOMPARE(m_window->findChild<QAction*>("setprint")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
        QCOMPARE(m_window->findChild<QAction*>("exitme")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_C));

        QStringList order;
        for (QAction* menu : menus)
            for (QAction* entry : menu->menu()->actions())
                if (!entry->isSeparator())
                    order << entry->objectName();
        QCOMPARE(order, (QStringList{"setprint", "preview", "printcard", "savecardpdf", "savepdf", "exitme", "drev",
                                     "club", "crose", "shop", "download", "educate", "product"}));
    }

    void altAloneHighlightsTheFirstMenu()
    {
        QMenuBar* bar = m_window->menuBar();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        const QImage before = bar->grab().toImage();
        QTest::keyPress(m_window.get(), Qt::Key_Alt, Qt::AltModifier);
        QTest::keyRelease(m_window.get(), Qt::Key_Alt);
        QTRY_VERIFY(bar->hasFocus());
        QCOMPARE(bar->activeAction(), bar->actions().first());
        // The first menu's caption is drawn as chosen, so a keyboard user sees where Alt landed.
        const QRect first = bar->actionGeometry(bar->actions().first());
        QVERIFY(bar->grab().toImage().copy(first) != before.copy(first));
        QTest::keyClick(bar, Qt::Key_Escape);
    }

    void linkAddresses()
    {
        const FakeOpener opener;
        const QStringList before = snapshot(*m_window);
        for (const char* link : links) {
            follow(*m_window, link);
            QTRY_COMPARE(FakeOpener::running(), 0); // one at a time, so they are recorded in order
        }
        const QString home = siteBaseAddress();
        QCOMPARE(opener.opened(), (QStringList{home, home + "/bolmiradex", home + "/bolmiradex", home + "/shopping",
                                               home + "/software", home + "/bolmiradex", home}));
        QCOMPARE(snapshot(*m_window), before);
    }

    void failingBrowserIsReportedOnceAndChangesNothing_data()
    {
        QTest::addColumn<QString>("link");
        for (const char* link : links)
            QTest::newRow(link) << link;
    }
    void failingBrowserIsReportedOnceAndChangesNothing()
    {
        QFETCH(QString, link);
        const FakeOpener opener(FakeOpener::Browser::Fails);
        const QStringList before = snapshot(*m_window);
        const mix::MixDesign design = acceptedNumbers(*m_window);

        m_prompter.answers = {QMessageBox::Ok};
        follow(*m_window, link);
        QTRY_COMPARE(FakeOpener::running(), 0);

        QCOMPARE(m_prompter.boxes.size(), 1);
        const MessageBoxSpec& box = m_prompter.boxes[0];
        QCOMPARE(box.text, QStringLiteral("Unable to start Web browser !"));
        QCOMPARE(box.title, applicationTitle());
        QCOMPARE(box.icon, QMessageBox::NoIcon);
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(snapshot(*m_window), before);
        QCOMPARE(acceptedNumbers(*m_window), design);
    }

    void exitQuestion_data()
    {
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<int>("answer");
        for (const char* trigger : {"Command6", "exitme", "Ctrl+C"}) {
            QTest::newRow(QByteArray(trigger) + " No") << trigger << int(QMessageBox::No);
            QTest::newRow(QByteArray(trigger) + " Yes") << trigger << int(QMessageBox::Yes);
        }
    }
    void exitQuestion()
    {
        QFETCH(QString, trigger);
        QFETCH(int, answer);
        Form2& w = *m_window;
        const QStringList before = snapshot(w);
        const mix::MixDesign design = acceptedNumbers(w);

        m_prompter.answers = {QMessageBox::StandardButton(answer)};
        if (trigger == "Command6")
            control<QAbstractButton>(w, trigger)->click();
        else if (trigger == "exitme")
            w.findChild<QAction*>(trigger)->trigger();
        else
            QTest::keyClick(control(w, "Text2"), Qt::Key_C, Qt::ControlModifier);

        QCOMPARE(m_prompter.boxes.size(), 1);
        const MessageBoxSpec& box = m_prompter.boxes[0];
        QCOMPARE(box.text, golden::box(QStringLiteral("exit")).second);
        QCOMPARE(box.title, golden::box(QStringLiteral("exit")).first);
        QCOMPARE(box.icon, QMessageBox::Question);
        QCOMPARE(box.buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box.defaultButton, QMessageBox::Yes);
        if (answer == QMessageBox::No) {
            QCOMPARE(snapshot(w), before);
            QCOMPARE(acceptedNumbers(w), design);
        } else {
            QVERIFY(!w.isVisible());
        }
    }

    void commandsOnlyAsk()
    {
        Form2& w = *m_window;
        QSignalSpy print(&w, &Form2::printRequested);
        QSignalSpy setUp(&w, &Form2::printSetupRequested);
        QSignalSpy pdf(&w, &Form2::savePdfRequested);
        QSignalSpy preview(&w, &Form2::previewRequested);
        QSignalSpy card(&w, &Form2::cardRequested);
        QSignalSpy about(&w, &Form2::aboutRequested);
        const QStringList before = snapshot(w);
        control<QAbstractButton>(w, "Command2")->click();
        w.findChild<QAction*>("setprint")->trigger();
        w.findChild<QAction*>("savepdf")->trigger();
        w.findChild<QAction*>("preview")->trigger();
        w.findChild<QAction*>("printcard")->trigger();
        w.findChild<QAction*>("product")->trigger();
        QCOMPARE(print.size(), 1);
        QCOMPARE(setUp.size(), 1);
        QCOMPARE(pdf.size(), 1);
        QCOMPARE(preview.size(), 1);
        QCOMPARE(card.size(), 1);
        QCOMPARE(about.size(), 1);
        QCOMPARE(snapshot(w), before);
    }

    void printAndPdfWaitForTheFirstCalculate()
    {
        Form2 fresh(m_prompter);
        QSignalSpy print(&fresh, &Form2::printRequested);
        QVERIFY(!control(fresh, "Command2")->isEnabled());
        QVERIFY(!fresh.findChild<QAction*>("savepdf")->isEnabled());
        QVERIFY(!fresh.findChild<QAction*>("preview")->isEnabled());
        QVERIFY(!fresh.findChild<QAction*>("printcard")->isEnabled());
        QVERIFY(!fresh.lastDesign());
        control<QAbstractButton>(fresh, "Command2")->click();
        QCOMPARE(print.size(), 0);
        for (const char* entry :
             {"setprint", "exitme", "drev", "club", "crose", "shop", "download", "educate", "product"})
            QVERIFY2(fresh.findChild<QAction*>(entry)->isEnabled(), entry);
    }

private:
    RecordingPrompter m_prompter;
    std::unique_ptr<Form2> m_window;
};

MIXDESIGN_TEST_MAIN(TestForm2Menus)
#include "form2menus_test.moc"
