#include "tests/mainwindow/form2fixture.h"

// One Calculate click, from reading the controls until every result control is written.
class BenchForm2Calculate : public QObject {
    Q_OBJECT

private slots:
    void calculateClick()
    {
        RecordingPrompter prompter;
        Form2 window(prompter);
        window.show();
        enter(window, firstExample());
        auto* button = control<QAbstractButton>(window, "Command1");
        QBENCHMARK { button->click(); }
        QCOMPARE(window.caption("Label66"), u8("155.6") + QStringLiteral("  ลิตร"));
        QVERIFY(prompter.boxes.isEmpty());
    }
};

MIXDESIGN_TEST_MAIN(BenchForm2Calculate)
#include "bench_form2calculate.moc"
