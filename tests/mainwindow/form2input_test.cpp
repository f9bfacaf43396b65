#include "tests/mainwindow/form2fixture.h"
#include "tests/support/golden.h"
#include "ui/common/contrast.h"

#include <QClipboard>
#include <QSignalSpy>

namespace {

// Like QTest::keyClicks, also for characters beyond ASCII, as a Thai keyboard types them.
void typeKeys(QWidget* widget, const QString& keys)
{
    for (const QChar c : keys) {
        if (c.unicode() < 0x80)
            QTest::keyClick(widget, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

} // namespace

// What the data-entry fields let through as they are typed and clicked.
class TestForm2Input : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(openWindow(m_window, m_prompter)); }
    void cleanup() { QVERIFY2(closeWindow(m_window, m_prompter), "an expected message box never came"); }

    void keyFilter_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        const QString thaiLetter(QChar(0x0E01));
        for (const char* field : {"Text2", "Text3", "Text4"}) {
            const QByteArray f(field);
            QTest::newRow(f + " letter dropped") << field << "24a0"
                                                 << "240";
            QTest::newRow(f + " second full stop kept") << field << "1.2.5"
                                                        << "1.2.5";
            QTest::newRow(f + " blank, minus, comma dropped") << field << "1 -,2"
                                                              << "12";
            QTest::newRow(f + " Thai letter dropped") << field << QString("7" + thaiLetter + "5") << "75";
            QTest::newRow(f + " upper case and symbols dropped") << field << "9E+1%"
                                                                 << "91";
        }
    }
    void keyFilter()
    {
        QFETCH(QString, field);
        QFETCH(QString, keys);
        QFETCH(QString, text);
        control<QAbstractButton>(*m_window, "Check3")->click();
        auto* edit = control<QLineEdit>(*m_window, field);
        edit->setFocus();
        typeKeys(edit, keys);
        QCOMPARE(edit->text(), text);
    }

    void editingKeysStillWork()
    {
        auto* edit = control<QLineEdit>(*m_window, "Text2");
        edit->setFocus();
        QTest::keyClicks(edit, "2405");
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text(), QStringLiteral("240"));
        QTest::keyClick(edit, Qt::Key_Home);
        QTest::keyClick(edit, Qt::Key_Delete);
        QCOMPARE(edit->text(), QStringLiteral("40"));
        QTest::keyClick(edit, Qt::Key_Escape);
        QCOMPARE(edit->text(), QStringLiteral("40"));
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(edit->selectedText(), QStringLiteral("40"));
    }

    void pastedTextIsNotFiltered()
    {
        auto* edit = control<QLineEdit>(*m_window, "Text4");
        QApplication::clipboard()->setText(QStringLiteral("5 %"));
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit->text(), QStringLiteral("5 %"));
    }

    void enterMovesOnOnlyFromNumberFields_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::newRow("strength") << "Text2"
                                  << "Combo1";
        QTest::newRow("dose") << "Text3"
                              << "Check4";
        QTest::newRow("moisture") << "Text4"
                                  << "Command1";
        QTest::newRow("slump list") << "Combo1"
                                    << "Combo1";
        QTest::newRow("stone list") << "Combo2"
                                    << "Combo2";
        QTest::newRow("check box") << "Check1"
                                   << "Check1";
    }
    void enterMovesOnOnlyFromNumberFields()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        control<QAbstractButton>(*m_window, "Check3")->click();
        QWidget* start = control(*m_window, from);
        start->setFocus();
        const QStringList before = snapshot(*m_window);
        QTest::keyClick(start, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget()->objectName(), to);
        QCOMPARE(snapshot(*m_window), before); // no Enter character reached a field
        if (from.startsWith("Text")) {
            start->setFocus();
            QTest::keyClick(start, Qt::Key_Enter, Qt::KeypadModifier);
            QCOMPARE(QApplication::focusWidget()->objectName(), to);
        }
    }

    void checkPairs_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("ticked"); // the four boxes, 1 for ticked
        QTest::addColumn<bool>("doseEnabled");
        QTest::addColumn<QColor>("doseBackground");
        const QColor white(255, 255, 255);
        const QColor grey(192, 192, 192);
        QTest::newRow("cube then cylinder") << QStringList{"Check2", "Check1"} << "1000" << false << QColor();
        QTest::newRow("cylinder then cube") << QStringList{"Check1", "Check2"} << "0100" << false << QColor();
        QTest::newRow("cube twice clears the pair") << QStringList{"Check1", "Check1"} << "0000" << false << QColor();
        QTest::newRow("with admixture") << QStringList{"Check3"} << "0010" << true << white;
        QTest::newRow("with admixture twice: clear, yet dose on")
            << QStringList{"Check3", "Check3"} << "0000" << true << white;
        QTest::newRow("without admixture") << QStringList{"Check4"} << "0001" << false << grey;
        QTest::newRow("with, then without") << QStringList{"Check3", "Check4"} << "0001" << false << grey;
        QTest::newRow("without, then with") << QStringList{"Check4", "Check3"} << "0010" << true << white;
        QTest::newRow("without twice: clear, dose off") << QStringList{"Check4", "Check4"} << "0000" << false << grey;
        QTest::newRow("pairs are independent") << QStringList{"Check1", "Check4"} << "1001" << false << grey;
    }
    void checkPairs()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QString, ticked);
        QFETCH(bool, doseEnabled);
        QFETCH(QColor, doseBackground);
        auto* dose = control<QLineEdit>(*m_window, "Text3");
        const QColor ordinary = dose->palette().color(QPalette::Disabled, QPalette::Base);
        dose->setText("250");
        for (const QString& name : clicks)
            QTest::mouseClick(control<QAbstractButton>(*m_window, name), Qt::LeftButton);
        QString state;
        for (const char* name : {"Check1", "Check2", "Check3", "Check4"})
            state += control<QAbstractButton>(*m_window, name)->isChecked() ? '1' : '0';
        QCOMPARE(state, ticked);
        QCOMPARE(dose->isEnabled(), doseEnabled);
        QCOMPARE(control(*m_window, "Label26_0")->isEnabled(), doseEnabled);
        QCOMPARE(dose->palette().color(QPalette::Base), doseBackground.isValid() ? doseBackground : ordinary);
        QCOMPARE(dose->text(), QStringLiteral("250"));
    }

    void spaceClicksLikeTheMouse()
    {
        auto* cube = control<QAbstractButton>(*m_window, "Check1");
        control<QAbstractButton>(*m_window, "Check2")->click();
        cube->setFocus();
        QTest::keyClick(cube, Qt::Key_Space);
        QVERIFY(cube->isChecked());
        QVERIFY(!control<QAbstractButton>(*m_window, "Check2")->isChecked());
    }

    void returnAndEnterClickAFocusedButton_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter") << int(Qt::Key_Enter);
    }
    void returnAndEnterClickAFocusedButton()
    {
        QFETCH(int, key);
        enter(*m_window, firstExample());
        auto* calculateButton = control<QAbstractButton>(*m_window, "Command1");
        calculateButton->setFocus();
        QTest::keyClick(calculateButton, Qt::Key(key));
        QVERIFY(control<QAbstractButton>(*m_window, "Command2")->isEnabled());
        QCOMPARE(control<QLabel>(*m_window, "Label15_0")->text(), QStringLiteral("310"));

        m_prompter.answers << QMessageBox::No;
        auto* exitButton = control<QAbstractButton>(*m_window, "Command6");
        exitButton->setFocus();
        QTest::keyClick(exitButton, Qt::Key(key));
        QCOMPARE(m_prompter.boxes.size(), 1);
    }

    void typingAtOnceLandsInTheStrengthField()
    {
        QTest::keyClicks(QApplication::focusWidget(), "240");
        QCOMPARE(control<QLineEdit>(*m_window, "Text2")->text(), QStringLiteral("240"));
    }

    // The dose kept in a disabled field must stay legible on the grey, measured in what is drawn.
    void keptDoseStaysReadable()
    {
        control<QAbstractButton>(*m_window, "Check3")->click();
        auto* dose = control<QLineEdit>(*m_window, "Text3");
        dose->setText("250");
        control<QAbstractButton>(*m_window, "Check4")->click();
        QVERIFY(!dose->isEnabled());
        const QImage drawn = dose->grab().toImage();
        const QColor background = drawn.pixelColor(drawn.width() - 4, drawn.height() / 2);
        QCOMPARE(background, QColor(192, 192, 192));
        QColor darkest = background;
        for (int y = 2; y < drawn.height() - 2; ++y)
            for (int x = 2; x < drawn.width() / 2; ++x)
                if (qGray(drawn.pixel(x, y)) < qGray(darkest.rgb()))
                    darkest = drawn.pixelColor(x, y);
        QVERIFY2(contrastRatio(darkest, background) >= 3.0, qPrintable(darkest.name()));
    }

    void ctrlCInAnyTextAsksToExitAndCopiesNothing_data()
    {
        QTest::addColumn<QString>("field");
        QTest::newRow("strength") << "Text2";
        QTest::newRow("moisture") << "Text4";
        QTest::newRow("per-bag text") << "Text6";
        QTest::newRow("slump list") << "Combo1";
        QTest::newRow("criteria text") << "Text1";
    }
    void ctrlCInAnyTextAsksToExitAndCopiesNothing()
    {
        QFETCH(QString, field);
        control<QLineEdit>(*m_window, "Text2")->setText("240");
        control<QLineEdit>(*m_window, "Text4")->setText("5");
        if (field == "Text1")
            control<QTabWidget>(*m_window, "SSTab1")->setCurrentIndex(2);
        QWidget* widget = control(*m_window, field);
        widget->setFocus();
        QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
        QApplication::clipboard()->setText(QStringLiteral("kept"));
        const QStringList before = snapshot(*m_window);

        m_prompter.answers = {QMessageBox::No};
        QTest::keyClick(widget, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(m_prompter.boxes.size(), 1);
        QCOMPARE(m_prompter.boxes[0].text, golden::box(QStringLiteral("exit")).second);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("kept"));
        QCOMPARE(snapshot(*m_window), before);
    }

    void ctrlPInAFieldAsksForPrinterSetUp()
    {
        QSignalSpy setUp(m_window.get(), &Form2::printSetupRequested);
        auto* edit = control<QLineEdit>(*m_window, "Text2");
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(setUp.size(), 1);
        QVERIFY(edit->text().isEmpty());
    }

private:
    RecordingPrompter m_prompter;
    std::unique_ptr<Form2> m_window;
};

MIXDESIGN_TEST_MAIN(TestForm2Input)
#include "form2input_test.moc"
