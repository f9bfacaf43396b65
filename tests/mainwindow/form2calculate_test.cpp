#include "tests/mainwindow/form2fixture.h"

#include "tests/support/golden.h"
#include "ui/common/picturelabel.h"
#include "ui/main/dataentrypage.h"
#include "ui/main/durabilitychartdialog.h"

#include "engine/calcerror.h"

#include <QAction>
#include <QSignalSpy>

using Texts = QList<std::pair<QString, QString>>;
Q_DECLARE_METATYPE(Example)

namespace {

// Literal copy of the strength unit; every blank is significant.
const QString kUnitKgPerCm2 = QStringLiteral("  กก./ตร.ซม.");

// A refusal's title and message as the golden file has them.
std::pair<QString, QString> goldenRefusal(const QString& name)
{
    const QStringList fields = golden::row(QStringLiteral("refusals.tsv"), name);
    return {fields.value(3), fields.value(4)};
}

QString pageInFront(const QWidget& window)
{
    auto* pages = control(window, "detailsPages");
    for (const char* name : {"Frame1", "Frame2", "Frame5"}) {
        auto* frame = control(window, name);
        // A point on the left half of the page area: Frame6(1) never covers it.
        const QPoint probe = frame->mapTo(pages, QPoint(40, frame->height() / 2));
        QWidget* hit = pages->childAt(probe);
        if (hit && (hit == frame || frame->isAncestorOf(hit)))
            return QString::fromLatin1(name);
    }
    return QStringLiteral("none");
}

// Which frame the user sees on the right of the page area, where Frame6(1) lies.
QString rightInFront(const QWidget& window)
{
    auto* pages = control(window, "detailsPages");
    auto* adjusted = control(window, "Frame6_1");
    QWidget* hit = pages->childAt(adjusted->geometry().center());
    for (QWidget* w = hit; w && w != pages; w = w->parentWidget())
        if (w->parentWidget() == pages)
            return w->objectName();
    return QStringLiteral("none");
}

void chooseExposure(const QWidget& window, mix::Exposure exposure)
{
    auto* list = control<QComboBox>(window, "exposureList");
    list->setCurrentIndex(list->findData(static_cast<int>(exposure)));
}

QString verdictLines(const mix::DurabilityText& t)
{
    QString lines = u8(t.exposure) + '\n' + u8(t.verdict);
    return t.least.empty() ? lines : lines + '\n' + u8(t.least);
}

} // namespace

// Calculate through the window: results, refusals and the details pages.
class TestForm2Calculate : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(openWindow(m_window, m_prompter)); }
    void cleanup() { QVERIFY2(closeWindow(m_window, m_prompter), "an expected message box never came"); }

    void workedExamples_data()
    {
        QTest::addColumn<Example>("example");
        QTest::addColumn<Texts>("texts");
        QTest::addColumn<int>("F");
        QTest::addColumn<int>("M");
        QTest::newRow("cube, slump 10.0, stone 2, admixture")
            << firstExample() << golden::table(QStringLiteral("texts/example1.tsv")) << 300 << 250;
        QTest::newRow("cylinder, slump 7.5, stone 1, none")
            << secondExample() << golden::table(QStringLiteral("texts/example2.tsv")) << 348 << 0;
    }
    void workedExamples()
    {
        QFETCH(Example, example);
        QFETCH(Texts, texts);
        QFETCH(int, F);
        QFETCH(int, M);
        enter(*m_window, example);
        calculate(*m_window);
        for (const auto& [name, text] : texts)
            QVERIFY2(m_window->caption(name) == text, qPrintable(name + ": " + m_window->caption(name)));
        QCOMPARE(acceptedNumbers(*m_window).F, F);
        QCOMPARE(acceptedNumbers(*m_window).M, M);

        // Every text the engine writes lands in the control of that name.
        const auto result = mix::calculate(inputsOf(example));
        const auto& accepted = std::get<mix::CalcResult>(result);
        QCOMPARE(accepted.texts.items().size(), size_t(texts.size()));
        for (const auto& [name, text] : accepted.texts.items())
            QCOMPARE(m_window->caption(u8(name)), u8(text));
        QCOMPARE(acceptedNumbers(*m_window), accepted.numbers.design);

        QVERIFY(control(*m_window, "Command2")->isEnabled());
        QVERIFY(m_window->findChild<QAction*>("savepdf")->isEnabled());
        QVERIFY(m_window->findChild<QAction*>("preview")->isEnabled());
        QVERIFY(m_window->findChild<QAction*>("printcard")->isEnabled());
        QVERIFY(m_window->lastDesign() && m_window->lastDesign()->result->texts == accepted.texts);
        QCOMPARE(pageInFront(*m_window), QStringLiteral("Frame1"));
        QCOMPARE(m_window->caption("Label81"), QStringLiteral("1/3"));
    }

    void strengthShowsAsTyped()
    {
        Example e = firstExample();
        e.strength = "240.0";
        enter(*m_window, e);
        calculate(*m_window);
        QCOMPARE(m_window->caption("Label7"), QStringLiteral("240.0") + kUnitKgPerCm2);
        QCOMPARE(m_window->caption("Label5(2)"), QStringLiteral("300") + kUnitKgPerCm2);
    }

    void refusalChangesNothing_data()
    {
        QTest::addColumn<bool>("calculatedBefore");
        QTest::addColumn<QString>("field"); // the input to change, or the box to clear
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("kind");
        const int incomplete = int(mix::ErrorKind::Incomplete);
        QTest::newRow("fresh window") << false << ""
                                      << ""
                                      << "Text2" << incomplete;
        QTest::newRow("moisture empty") << true << "Text4"
                                        << ""
                                        << "Text2" << incomplete;
        QTest::newRow("strength empty") << true << "Text2"
                                        << ""
                                        << "Text2" << incomplete;
        QTest::newRow("no specimen box") << true << "Check1"
                                         << ""
                                         << "Text2" << incomplete;
        QTest::newRow("no admixture box") << true << "Check3"
                                          << ""
                                          << "Text2" << incomplete;
        QTest::newRow("no slump") << true << "Combo1"
                                  << ""
                                  << "Text2" << incomplete;
        QTest::newRow("no stone") << true << "Combo2"
                                  << ""
                                  << "Text2" << incomplete;
        QTest::newRow("dose missing") << true << "Text3"
                                      << ""
                                      << "Text3" << int(mix::ErrorKind::DoseMissing);
        QTest::newRow("strength 1.2.5") << true << "Text2"
                                        << "1.2.5"
                                        << "Text2" << int(mix::ErrorKind::NotANumber);
        QTest::newRow("dose a lone stop") << true << "Text3"
                                          << "."
                                          << "Text3" << int(mix::ErrorKind::NotANumber);
        QTest::newRow("moisture two stops") << true << "Text4"
                                            << "5..1"
                                            << "Text4" << int(mix::ErrorKind::NotANumber);
        QTest::newRow("dose overflows") << true << "Text3"
                                        << "99999"
                                        << "Text3" << int(mix::ErrorKind::Overflow);
        QTest::newRow("strength beyond the table") << true << "Text2"
                                                   << "5000"
                                                   << "Text2" << int(mix::ErrorKind::OutOfRange);
        QTest::newRow("sand too wet") << true << "Text4"
                                      << "90"
                                      << "Text4" << int(mix::ErrorKind::OutOfRange);
    }
    void refusalChangesNothing()
    {
        QFETCH(bool, calculatedBefore);
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, focus);
        QFETCH(int, kind);
        Form2& w = *m_window;
        if (calculatedBefore) {
            enter(w, firstExample());
            calculate(w);
            emit control<PictureLabel>(w, "Image11")->clicked(); // the refusal must not turn back the page
        }
        QWidget* changed = field.isEmpty() ? nullptr : control(w, field);
        if (auto* edit = qobject_cast<QLineEdit*>(changed))
            edit->setText(value);
        else if (auto* box = qobject_cast<QAbstractButton*>(changed))
            box->click();
        else if (auto* list = qobject_cast<QComboBox*>(changed))
            list->setCurrentIndex(-1);
        const mix::MixDesign design = acceptedNumbers(w);
        control(w, "Command1")->setFocus();
        const QStringList before = snapshot(w);

        m_prompter.answers = {QMessageBox::Ok};
        calculate(w);
        // The marks on empty fields are the refusal's one addition (emptyFieldsAreMarked).
        QStringList after = snapshot(w);
        after.removeIf([](const QString& line) { return line.section(QLatin1Char(' '), 0, 0).endsWith("Empty"); });
        QStringList unmarked = before;
        unmarked.removeIf([](const QString& line) { return line.section(QLatin1Char(' '), 0, 0).endsWith("Empty"); });

        QCOMPARE(m_prompter.boxes.size(), 1);
        const MessageBoxSpec& box = m_prompter.boxes[0];
        QCOMPARE(box.title, goldenRefusal(QStringLiteral("empty_strength")).first);
        QCOMPARE(box.icon, QMessageBox::Question);
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        const auto result = mix::calculate(control<DataEntryPage>(w, "dataEntryPage")->inputs());
        const auto& error = std::get<mix::CalcError>(result);
        QCOMPARE(int(error.kind), kind);
        QCOMPARE(box.text, u8(error.message));
        if (kind <= int(mix::ErrorKind::DoseMissing))
            QCOMPARE(box.text, goldenRefusal(QStringLiteral("empty_strength")).second);

        QCOMPARE(after, unmarked);
        QCOMPARE(acceptedNumbers(w), design);
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    }

    // The results stay in view after the entries change, greyed with a note on both tabs, and
    // nothing prints them unasked; the same entries again, or a new design, clear the mark.
    // No class by default, so every design is as before; a class gives the engine's verdict on
    // page 3 under the final mix and the chart behind its button, on worked example 1 and on
    // generated entries alike.
    void durabilityVerdictAsTheEngineGives()
    {
        Form2& w = *m_window;
        auto* list = control<QComboBox>(w, "exposureList");
        QCOMPARE(list->currentText(), QStringLiteral("ไม่ระบุ"));
        QCOMPARE(list->count(), 25);
        enter(w, firstExample());
        calculate(w);
        QVERIFY(!w.lastDesign()->durability);
        QVERIFY(control(w, "durabilityVerdict")->isHidden());
        QVERIFY(control(w, "durabilityChartButton")->isHidden());

        chooseExposure(w, mix::Exposure::XC3);
        QCOMPARE(list->currentText(), QStringLiteral("XC3 (EN 206)"));
        QVERIFY(w.resultsStale());
        calculate(w);
        QVERIFY(!w.resultsStale());
        auto* verdict = control<QLabel>(w, "durabilityVerdict");
        QVERIFY(!verdict->isHidden());
        QCOMPARE(verdict->text(),
                 QStringLiteral("สภาพแวดล้อมที่ใช้งาน = XC3 (EN 206)  ภายนอกใต้หลังคาที่กันฝน หรือในอาคารที่ชื้น\n"
                                "ไม่ผ่านข้อกำหนดความคงทน : W/C เกิน 0.55, กำลังอัดน้อยกว่า 377.29  กก./ตร.ซม.\n"
                                "กำลังอัดต่ำสุดที่ผ่าน = 378  กก./ตร.ซม.  ตัวอย่างลูกบาศก์"));
        control<QAbstractButton>(w, "durabilityChartButton")->click();
        auto* chart = w.findChild<DurabilityChartDialog*>("durabilityChartDialog");
        QVERIFY(chart && chart->isVisible());
        QVERIFY(chart->chart().contains("377.29"));
        chart->close();

        // Generated entries, a fixed seed: the window's verdict is the engine's on the same record.
        std::uint32_t seed = 30;
        const auto next = [&seed](std::uint32_t n) {
            seed = seed * 1664525u + 1013904223u;
            return (seed >> 8) % n;
        };
        for (int k = 0; k < 12; ++k) {
            Example e;
            e.cube = next(2) == 0;
            e.strength = QString::number(e.cube ? 90 + next(301) : 75 + next(250));
            e.slump = int(next(3));
            e.stone = int(next(2));
            e.admixture = next(2) == 0;
            e.dose = e.admixture ? QString::number(100 + next(400)) : QString();
            e.moisture = QString::number(next(9));
            const auto exposure = static_cast<mix::Exposure>(1 + next(mix::kExposureCount));
            enter(w, e);
            chooseExposure(w, exposure);
            calculate(w);
            const mix::Design expected = mix::designOf({inputsOf(e), {}, exposure});
            QVERIFY2(expected.durability, qPrintable(e.strength));
            QCOMPARE(w.lastDesign()->durability, expected.durability);
            QCOMPARE(verdict->text(), verdictLines(expected.durabilityText));
        }
    }

    void staleResultsByEveryRoad_data()
    {
        QTest::addColumn<QString>("road");
        QTest::addColumn<bool>("stale");
        QTest::newRow("typing") << "type" << true;
        QTest::newRow("a check box") << "tick" << true;
        QTest::newRow("a pick-list") << "pick" << true;
        QTest::newRow("the exposure class") << "exposure" << true;
        QTest::newRow("a refused Calculate") << "refused" << true;
        QTest::newRow("back to the same entries") << "back" << false;
    }
    void staleResultsByEveryRoad()
    {
        QFETCH(QString, road);
        QFETCH(bool, stale);
        Form2& w = *m_window;
        enter(w, firstExample());
        calculate(w);
        QVERIFY(!w.resultsStale());
        auto* strength = control<QLineEdit>(w, "Text2");
        if (road == "type" || road == "back") {
            QTest::keyClick(strength, Qt::Key_5);
            QVERIFY(w.resultsStale());
            if (road == "back")
                QTest::keyClick(strength, Qt::Key_Backspace);
        } else if (road == "tick") {
            control<QAbstractButton>(w, "Check2")->click();
        } else if (road == "pick") {
            control<QComboBox>(w, "Combo1")->setCurrentIndex(2);
        } else if (road == "exposure") {
            chooseExposure(w, mix::Exposure::XS1);
        } else {
            strength->setText("50");
            m_prompter.answers = {QMessageBox::Ok};
            calculate(w);
            QCOMPARE(m_prompter.boxes.size(), 1);
            m_prompter.boxes.clear();
        }
        QCOMPARE(w.resultsStale(), stale);
        QCOMPARE(control(w, "resultsStaleNote")->isVisibleTo(&w), stale);
        QCOMPARE(!control(w, "detailsStaleNote")->isHidden(), stale);
        QCOMPARE(control(w, "Frame4_0")->isEnabled(), !stale);
        QCOMPARE(control(w, "Frame6_0")->isEnabled(), !stale);
        QCOMPARE(control(w, "Label15_1")->isEnabled(), !stale);
        QVERIFY(!control<QLabel>(w, "Label15_0")->text().isEmpty());

        // Every road to paper or PDF asks first while the results are old; No stops it.
        QSignalSpy print(&w, &Form2::printRequested);
        QSignalSpy pdf(&w, &Form2::savePdfRequested);
        QSignalSpy preview(&w, &Form2::previewRequested);
        QSignalSpy card(&w, &Form2::cardRequested);
        QSignalSpy cardPdf(&w, &Form2::cardPdfRequested);
        m_prompter.answerAll = QMessageBox::No;
        control<QAbstractButton>(w, "Command2")->click();
        for (const char* entry : {"savepdf", "preview", "printcard", "savecardpdf"})
            control<QAction>(w, entry)->trigger();
        QCOMPARE(m_prompter.boxes.size(), stale ? 5 : 0);
        for (const MessageBoxSpec& box : m_prompter.boxes) {
            QCOMPARE(box.buttons, QMessageBox::Yes | QMessageBox::No);
            QCOMPARE(box.defaultButton, QMessageBox::No);
        }
        const int unasked = stale ? 0 : 1;
        for (const QSignalSpy* spy : {&print, &pdf, &preview, &card, &cardPdf})
            QCOMPARE(spy->size(), unasked);
        m_prompter.answerAll = QMessageBox::Yes;
        control<QAbstractButton>(w, "Command2")->click();
        for (const char* entry : {"savepdf", "preview", "printcard", "savecardpdf"})
            control<QAction>(w, entry)->trigger();
        for (const QSignalSpy* spy : {&print, &pdf, &preview, &card, &cardPdf})
            QCOMPARE(spy->size(), unasked + 1);
        m_prompter.answerAll.reset();
        m_prompter.boxes.clear();

        // A new accepted design clears the mark.
        Example next = firstExample();
        next.strength = "300";
        enter(w, next);
        calculate(w);
        QVERIFY(!w.resultsStale());
        QVERIFY(!control(w, "resultsStaleNote")->isVisibleTo(&w));
        QVERIFY(control(w, "Frame4_0")->isEnabled());
    }

    // After "incomplete", every empty required field is framed and described until filled.
    void emptyFieldsAreMarked_data()
    {
        QTest::addColumn<QString>("field");
        QTest::newRow("strength") << "Text2";
        QTest::newRow("slump") << "Combo1";
        QTest::newRow("stone") << "Combo2";
        QTest::newRow("moisture") << "Text4";
        QTest::newRow("dose") << "Text3";
    }
    void emptyFieldsAreMarked()
    {
        QFETCH(QString, field);
        Form2& w = *m_window;
        auto* page = control<DataEntryPage>(w, "dataEntryPage");
        enter(w, firstExample());
        QWidget* emptied = control(w, field);
        if (auto* edit = qobject_cast<QLineEdit*>(emptied))
            edit->clear();
        else
            qobject_cast<QComboBox*>(emptied)->setCurrentIndex(-1);
        const QString hint = emptied->accessibleDescription();
        QVERIFY(page->markedFields().isEmpty());
        m_prompter.answers = {QMessageBox::Ok};
        calculate(w);
        QCOMPARE(page->markedFields(), QStringList{field});
        QVERIFY(control(w, field + "Empty")->isVisibleTo(&w));
        QVERIFY(control(w, field + "Empty")->geometry().contains(emptied->geometry()));
        QVERIFY(emptied->accessibleDescription().startsWith(QStringLiteral("ช่องนี้ยังว่าง")));
        QVERIFY(emptied->accessibleDescription().endsWith(hint));
        QCOMPARE(QApplication::focusWidget()->objectName(), field == "Text3" ? "Text3" : "Text2");

        if (auto* edit = qobject_cast<QLineEdit*>(emptied))
            edit->setText("5");
        else
            qobject_cast<QComboBox*>(emptied)->setCurrentIndex(0);
        QVERIFY(page->markedFields().isEmpty());
        QVERIFY(!control(w, field + "Empty")->isVisibleTo(&w));
        QVERIFY(!emptied->accessibleDescription().startsWith(QStringLiteral("ช่องนี้ยังว่าง")));
    }

    void freshWindowMarksEveryEmptyField()
    {
        Form2& w = *m_window;
        auto* page = control<DataEntryPage>(w, "dataEntryPage");
        m_prompter.answers = {QMessageBox::Ok};
        calculate(w);
        // The dose is asked for only with admixture ticked.
        QCOMPARE(page->markedFields(), (QStringList{"Text2", "Combo1", "Combo2", "Text4"}));
        control<QLineEdit>(w, "Text4")->setText("5");
        QCOMPARE(page->markedFields(), (QStringList{"Text2", "Combo1", "Combo2"}));
    }

    void controlEnterCalculatesFromAnyTab()
    {
        Form2& w = *m_window;
        enter(w, firstExample());
        control<QTabWidget>(w, "SSTab1")->setCurrentIndex(3);
        control<QLineEdit>(w, "volumeField")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return, Qt::ControlModifier);
        QVERIFY(w.lastDesign() != nullptr);
        QVERIFY(w.lastDesign()->entries.design == inputsOf(firstExample()));
        QCOMPARE(w.caption("Label15(0)"), QStringLiteral("310"));
    }

    void pageTurning()
    {
        Form2& w = *m_window;
        struct Step {
            const char* arrow;
            const char* front;
            const char* right;
            const char* label;
        };
        // Each arrow is only reachable on its own page; clicking it turns to the next state.
        const Step steps[] = {
            {"Image11", "Frame2", "Frame2", "2/3"}, {"Image10", "Frame5", "Frame6_1", "3/3"},
            {"Image7", "Frame2", "Frame2", "2/3"},  {"Image9", "Frame1", "Frame1", "1/3"},
            {"Image11", "Frame2", "Frame2", "2/3"}, {"Image10", "Frame5", "Frame6_1", "3/3"},
        };
        control<QTabWidget>(w, "SSTab1")->setCurrentIndex(1);
        QCOMPARE(pageInFront(w), QStringLiteral("none"));
        QCOMPARE(rightInFront(w), QStringLiteral("none"));
        for (const char* arrow : {"Image11", "Image9", "Image10", "Image7"})
            QVERIFY2(!control(w, arrow)->isVisible(), arrow);

        enter(w, firstExample());
        calculate(w);
        QCOMPARE(pageInFront(w), QStringLiteral("Frame1"));
        QCOMPARE(rightInFront(w), QStringLiteral("Frame1"));
        QVERIFY(control(w, "Image11")->isVisible());
        for (const Step& step : steps) {
            auto* arrow = control(w, step.arrow);
            QVERIFY2(arrow->isVisible(), step.arrow);
            QTest::mouseClick(arrow, Qt::LeftButton, {}, arrow->rect().center());
            QCOMPARE(pageInFront(w), QString::fromLatin1(step.front));
            QCOMPARE(rightInFront(w), QString::fromLatin1(step.right));
            QCOMPARE(w.caption("Label81"), QString::fromLatin1(step.label));
        }

        // A second Calculate from page 3 brings page 1 back, and the label says so.
        control<QLineEdit>(w, "Text4")->setText("3");
        calculate(w);
        QCOMPARE(pageInFront(w), QStringLiteral("Frame1"));
        QCOMPARE(w.caption("Label81"), QStringLiteral("1/3"));
        QCOMPARE(w.caption("Label61"), QStringLiteral("3%"));
        QVERIFY(control(w, "Frame6_1")->isVisibleTo(&w));
    }

private:
    RecordingPrompter m_prompter;
    std::unique_ptr<Form2> m_window;
};

MIXDESIGN_TEST_MAIN(TestForm2Calculate)
#include "form2calculate_test.moc"
