#include "dataentrypage.h"
#include "form2fixture.h"
#include "picturelabel.h"

#include <calcerror.h>

#include <QAction>

using Texts = QList<std::pair<QString, QString>>;
Q_DECLARE_METATYPE(Example)

namespace {

using namespace mix::text;

QString t(std::initializer_list<std::string_view> parts)
{
    QString s;
    for (auto p : parts)
        s += u8(p);
    return s;
}

// Every result control of both tabs for the first worked example (240 on cubes, slump 10.0,
// stone 2, admixture 250 cc, moisture 5 %).
Texts firstExampleTexts()
{
    return {
        {"Label15(0)", "310"},
        {"Label16(0)", "155"},
        {"Label17(0)", "835"},
        {"Label18(0)", "1110"},
        {"Label19(0)", "800"},
        {"Label34(0)", u8(kOneBag)},
        {"Label35(0)", t({"25", kUnitLitre, kAbout, "0.9", kPail})},
        {"Label36(0)", t({"0.08", kUnitCubicMetre, kAbout, "4.2", kBasket})},
        {"Label37(0)", t({"0.11", kUnitCubicMetre, kAbout, "5.8", kBasket})},
        {"Label38(0)", t({"129.03", kUnitCc})},
        {"Text6", t({kYieldPrefix, "0.16", kUnitCubicMetre, kBasketNote})},
        {"Label7", t({"240", kUnitKgPerCm2})},
        {"Label5(2)", t({"300", kUnitKgPerCm2})},
        {"Label12", t({kSlump100, kUnitCm})},
        {"Label79", u8(kStone2)},
        {"Label80", u8(kWithAdmixture)},
        {"Label77", t({kWithAdmixture, "="})},
        {"Label9", t({"190", kUnitLitrePerM3})},
        {"Label14", "0.61"},
        {"Label16(1)", t({"311", kUnitKg})},
        {"Label18(1)", t({"99", kUnitLitre})},
        {"Label20(1)", u8(kStone2)},
        {"Label22(1)", t({"400", kUnitLitre})},
        {"Label24(1)", t({"301", kUnitLitre})},
        {"Label26(1)", t({"798", kUnitKg})},
        {"Label28", t({"410", kUnitLitre})},
        {"Label30(1)", t({"1107", kUnitKg})},
        {"Label32(1)", t({"778", kUnitCc})},
        {"Label38(1)", t({"311", kUnitKilogram})},
        {"Label39(1)", t({"190", kUnitLitre})},
        {"Label40", t({"798", kUnitKilogram})},
        {"Label41", t({"1107", kUnitKilogram})},
        {"Label42", t({"778", kUnitCc})},
        {"Label47", "310"},
        {"Label46", "190"},
        {"Label45", "800"},
        {"Label44", "1110"},
        {"Label43", "800"},
        {"Label72", "310"},
        {"Label73", "155"},
        {"Label74", "835"},
        {"Label75", "1110"},
        {"Label76", "800"},
        {"Label61", "5%"},
        {"Label62", u8(kSandAbsorption)},
        {"Label63", "4.3%"},
        {"Label57", "800"},
        {"Label64", t({"34.4", kUnitKilogram})},
        {"Label65", t({"834.4", kUnitKilogram})},
        {"Label66", t({"155.6", kUnitLitre})},
    };
}

// The second worked example: 240 on cylinders, slump 7.5, stone 1, no admixture, moisture 3 %.
Texts secondExampleTexts()
{
    return {
        {"Label15(0)", "330"},
        {"Label16(0)", "165"},
        {"Label17(0)", "750"},
        {"Label18(0)", "1190"},
        {"Label19(0)", "0"},
        {"Label34(0)", u8(kOneBag)},
        {"Label35(0)", t({"25", kUnitLitre, kAbout, "0.9", kPail})},
        {"Label36(0)", t({"0.07", kUnitCubicMetre, kAbout, "3.7", kBasket})},
        {"Label37(0)", t({"0.11", kUnitCubicMetre, kAbout, "5.8", kBasket})},
        {"Label38(0)", t({"0", kUnitCc})},
        {"Text6", t({kYieldPrefix, "0.15", kUnitCubicMetre, kBasketNote})},
        {"Label7", t({"240", kUnitKgPerCm2})},
        {"Label5(2)", t({"348", kUnitKgPerCm2})},
        {"Label12", t({kSlump75, kUnitCm})},
        {"Label79", u8(kStone1)},
        {"Label80", u8(kWithoutAdmixture)},
        {"Label77", t({kWithoutAdmixture, "="})},
        {"Label9", t({"180", kUnitLitrePerM3})},
        {"Label14", "0.5476"},
        {"Label16(1)", t({"329", kUnitKg})},
        {"Label18(1)", t({"104", kUnitLitre})},
        {"Label20(1)", u8(kStone1)},
        {"Label22(1)", t({"380", kUnitLitre})},
        {"Label24(1)", t({"276", kUnitLitre})},
        {"Label26(1)", t({"731", kUnitKg})},
        {"Label28", t({"440", kUnitLitre})},
        {"Label30(1)", t({"1188", kUnitKg})},
        {"Label32(1)", t({"0", kUnitCc})},
        {"Label38(1)", t({"329", kUnitKilogram})},
        {"Label39(1)", t({"180", kUnitLitre})},
        {"Label40", t({"731", kUnitKilogram})},
        {"Label41", t({"1188", kUnitKilogram})},
        {"Label42", t({"0", kUnitCc})},
        {"Label47", "330"},
        {"Label46", "180"},
        {"Label45", "730"},
        {"Label44", "1190"},
        {"Label43", "0"},
        {"Label72", "330"},
        {"Label73", "165"},
        {"Label74", "750"},
        {"Label75", "1190"},
        {"Label76", "0"},
        {"Label61", "3%"},
        {"Label62", u8(kSandAbsorption)},
        {"Label63", "2.3%"},
        {"Label57", "730"},
        {"Label64", t({"16.79", kUnitKilogram})},
        {"Label65", t({"746.79", kUnitKilogram})},
        {"Label66", t({"163.21", kUnitLitre})},
    };
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
        QTest::newRow("cube, slump 10.0, stone 2, admixture") << firstExample() << firstExampleTexts() << 300 << 250;
        QTest::newRow("cylinder, slump 7.5, stone 1, none") << secondExample() << secondExampleTexts() << 348 << 0;
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
        QCOMPARE(m_window->design().F, F);
        QCOMPARE(m_window->design().M, M);

        // Every text the engine writes lands in the control of that name.
        const auto result = mix::calculate(inputsOf(example));
        const auto& accepted = std::get<mix::CalcResult>(result);
        QCOMPARE(accepted.texts.items().size(), size_t(texts.size()));
        for (const auto& [name, text] : accepted.texts.items())
            QCOMPARE(m_window->caption(u8(name)), u8(text));
        QCOMPARE(m_window->design(), accepted.numbers.design);

        QVERIFY(control(*m_window, "Command2")->isEnabled());
        QVERIFY(m_window->findChild<QAction*>("savepdf")->isEnabled());
        QCOMPARE(pageInFront(*m_window), QStringLiteral("Frame1"));
        QCOMPARE(m_window->caption("Label81"), QStringLiteral("1/3"));
    }

    void strengthShowsAsTyped()
    {
        Example e = firstExample();
        e.strength = "240.0";
        enter(*m_window, e);
        calculate(*m_window);
        QCOMPARE(m_window->caption("Label7"), t({"240.0", kUnitKgPerCm2}));
        QCOMPARE(m_window->caption("Label5(2)"), t({"300", kUnitKgPerCm2}));
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
        const mix::MixDesign design = w.design();
        control(w, "Command1")->setFocus();
        const QStringList before = snapshot(w);

        m_prompter.answers = {QMessageBox::Ok};
        calculate(w);

        QCOMPARE(m_prompter.boxes.size(), 1);
        const MessageBoxSpec& box = m_prompter.boxes[0];
        QCOMPARE(box.title, u8(kPatienceTitle));
        QCOMPARE(box.icon, QMessageBox::Question);
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        const auto result = mix::calculate(control<DataEntryPage>(w, "dataEntryPage")->inputs());
        const auto& error = std::get<mix::CalcError>(result);
        QCOMPARE(int(error.kind), kind);
        QCOMPARE(box.text, u8(error.message));
        if (kind <= int(mix::ErrorKind::DoseMissing))
            QCOMPARE(box.text, u8(kIncomplete));

        QCOMPARE(snapshot(w), before);
        QCOMPARE(w.design(), design);
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
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

FORM2_TEST_MAIN(TestForm2Calculate)
#include "tst_form2calculate.moc"
