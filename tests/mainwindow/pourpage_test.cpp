#include "engine/pourcost.h"
#include "tests/mainwindow/form2fixture.h"
#include "tests/support/golden.h"

#include <QImage>

#include <algorithm>

namespace {

// The runs of the bar's fill colours along the row of the drawn bar that crosses most of them
// (the padding under the names), left to right: colour and width in pixels.
QList<std::pair<QRgb, int>> drawnParts(QWidget* bar)
{
    const QRgb fills[] = {qRgb(178, 178, 178), qRgb(156, 204, 240), qRgb(238, 214, 158), qRgb(196, 182, 162),
                          qRgb(255, 255, 255)};
    const QImage image = bar->grab().toImage();
    QList<std::pair<QRgb, int>> best;
    int bestWidth = 0;
    for (int y = 0; y < image.height(); ++y) {
        QList<std::pair<QRgb, int>> runs;
        int width = 0;
        QRgb previous = 0;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y) | 0xff000000;
            if (std::find(std::begin(fills), std::end(fills), c) == std::end(fills)) {
                previous = 0;
                continue;
            }
            if (c == previous)
                ++runs.last().second;
            else
                runs.append({c, 1});
            previous = c;
            ++width;
        }
        if (width > bestWidth) {
            best = runs;
            bestWidth = width;
        }
    }
    return best;
}

} // namespace

// The pour planner tab as a user meets it: before any design, then typing a volume after
// the first worked example, changing the measures, typing bad entries, calculating again.
class TestPourPage : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(openWindow(m_window, m_prompter)); }
    void cleanup() { QVERIFY(closeWindow(m_window, m_prompter)); }

    void asksForACalculationFirst()
    {
        showTab();
        retype("volumeField", "10");
        QVERIFY(control(*m_window, "calculateFirstNote")->isVisibleTo(m_window.get()));
        QCOMPARE(text("calculateFirstNote"), QStringLiteral("ยังไม่ได้คำนวณส่วนผสม กรุณาป้อนข้อมูลแล้วคำนวณ"));
        QVERIFY(!control(*m_window, "orderList")->isVisibleTo(m_window.get()));
        QCOMPARE(text("cementBags"), QString());
    }

    void followsTheDesignAndEveryKeystroke()
    {
        enter(*m_window, firstExample());
        calculate(*m_window);
        showTab();
        QVERIFY(!control(*m_window, "calculateFirstNote")->isVisibleTo(m_window.get()));
        QCOMPARE(text("cementBags"), QString()); // no volume yet, nothing to plan

        QTest::keyClicks(control(*m_window, "volumeField"), "1x0"); // the letter is refused
        QCOMPARE(control<QLineEdit>(*m_window, "volumeField")->text(), QStringLiteral("10"));
        const std::pair<const char*, const char*> tenCubicMetres[] = {
            {"cementBags", "66  ถุง"},     {"sandOrder", "5.5  ลบ.ม."},  {"sandBaskets", "288.4  บุ้งกี๋"},
            {"stoneOrder", "7.5  ลบ.ม."}, {"waterPails", "60.3  ถัง"},   {"admixtureTotal", "8.4  ลิตร"},
            {"batchesTotal", "66  ครั้ง"},  {"waterPerBatch", "25  ลิตร"}, {"sandPerBatchBaskets", "4.2  บุ้งกี๋"},
        };
        for (const auto& [name, expected] : tenCubicMetres)
            QCOMPARE(text(name), QString::fromUtf8(expected));
        // The bar shows cement, water, sand and stone at 99, 190, 301 and 410 litres: the cubic
        // metre is full, so no white part for air follows.
        const auto bar = drawnParts(control(*m_window, "volumeBar"));
        const std::pair<QRgb, int> parts[] = {{qRgb(178, 178, 178), 99},
                                              {qRgb(156, 204, 240), 190},
                                              {qRgb(238, 214, 158), 301},
                                              {qRgb(196, 182, 162), 410}};
        QCOMPARE(bar.size(), qsizetype(4));
        int drawnWidth = 0;
        for (const auto& run : bar)
            drawnWidth += run.second;
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(bar[i].first, parts[i].first);
            const double litres = 1000.0 * bar[i].second / drawnWidth;
            QVERIFY2(qAbs(litres - parts[i].second) < 10, qPrintable(QString::number(litres)));
        }

        retype("basketField", "0.025");
        QCOMPARE(text("sandBaskets"), QStringLiteral("219.2  บุ้งกี๋"));
        QCOMPARE(text("sandPerBatchBaskets"), QStringLiteral("3.2  บุ้งกี๋"));

        // Each bad entry gets its message beside it; the figures it feeds stay as they were but
        // greyed under a note, and the order reaches no sheet. One batch never needs the volume.
        const QStringList before = figures();
        QVERIFY(shownPlan());
        QVERIFY(!control(*m_window, "staleNote")->isVisibleTo(m_window.get()));
        const std::tuple<const char*, const char*, const char*, const char*, bool> bad[] = {
            {"volumeField", "volumeMessage", "0", "ต้องมากกว่า 0", true},
            {"volumeField", "volumeMessage", "1.2.3", "ไม่ใช่ตัวเลขที่ถูกต้อง", true},
            {"wasteField", "wasteMessage", "51", "ต้องอยู่ระหว่าง 0-50", true},
            {"wasteField", "wasteMessage", "100", "ต้องอยู่ระหว่าง 0-50", true},
            {"bagKgField", "bagKgMessage", ".", "ไม่ใช่ตัวเลขที่ถูกต้อง", false},
            {"bagKgField", "bagKgMessage", "45", "ต้องเป็น 50 หรือ 40 กก.", false},
            {"basketField", "basketMessage", "0", "ต้องมากกว่า 0", false},
            {"pailField", "pailMessage", "0.05", "ต้องไม่น้อยกว่า 0.1", false},
            {"bagsPerBatchField", "bagsPerBatchMessage", "1.5", "ต้องเป็น 1, 2, 3, ... ถุง", false},
        };
        for (const auto& [field, message, typed, expected, batchFresh] : bad) {
            const QString good = control<QLineEdit>(*m_window, field)->text();
            control<QLineEdit>(*m_window, field)->setText(QString::fromUtf8(typed)); // in one edit, as pasted
            QCOMPARE(text(message), QString::fromUtf8(expected));
            QCOMPARE(control(*m_window, field)->accessibleDescription(), QString::fromUtf8(expected));
            auto* label = control<QLabel>(*m_window, message);
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width(), message);
            QCOMPARE(figures(), before);
            QVERIFY2(!shownPlan(), field);
            QVERIFY(!control(*m_window, "orderList")->isEnabled());
            QCOMPARE(control(*m_window, "perBatchFrame")->isEnabled(), batchFresh);
            QVERIFY(control(*m_window, "staleNote")->isVisibleTo(m_window.get()));
            retype(field, good);
            QCOMPARE(text(message), QString());
            QCOMPARE(control(*m_window, field)->accessibleDescription(), QString());
            QVERIFY(shownPlan());
            QVERIFY(control(*m_window, "orderList")->isEnabled() && control(*m_window, "perBatchFrame")->isEnabled());
            QVERIFY(!control(*m_window, "staleNote")->isVisibleTo(m_window.get()));
        }

        // An empty measure stands for the usual one, as the command and the page read it.
        for (const char* field : {"bagKgField", "pailField"}) {
            const QString good = control<QLineEdit>(*m_window, field)->text();
            retype(field, "");
            QCOMPARE(figures(), before);
            QVERIFY(shownPlan() && control(*m_window, "perBatchFrame")->isEnabled());
            retype(field, good);
        }

        // No volume: nothing to order, but one batch still stands.
        retype("volumeField", "");
        QCOMPARE(text("cementBags"), QString());
        QCOMPARE(text("waterPerBatch"), QStringLiteral("25  ลิตร"));
        QVERIFY(!shownPlan());
        QVERIFY(!control(*m_window, "staleNote")->isVisibleTo(m_window.get()));
        retype("volumeField", "10");

        // A new Calculate never leaves the old design's figures beside a bad entry.
        retype("basketField", "0");
        calculate(*m_window);
        QCOMPARE(text("cementBags"), QString());

        // A new Calculate carries the planner along; without admixture the line says so.
        retype("basketField", "0.019");
        enter(*m_window, secondExample());
        calculate(*m_window);
        QCOMPARE(text("cementBags"), QStringLiteral("70  ถุง"));
        QCOMPARE(text("admixtureTotal"), QStringLiteral("ไม่ใส่น้ำยาผสมคอนกรีต"));
        QCOMPARE(text("admixturePerBatch"), QString());

        retype("volumeField", "");
        QCOMPARE(text("cementBags"), QString());
        QCOMPARE(text("volumeMessage"), QString());
    }

    // Prices give cost lines that agree with the order sheet's; a bad price is told beside its
    // field and greys the lines it leaves out of date; with every price empty the lines are gone.
    void pricesAndWhatThePourCosts()
    {
        enter(*m_window, firstExample());
        calculate(*m_window);
        showTab();
        retype("volumeField", "10");
        QCOMPARE(text("costSummary"), QString());
        QVERIFY(!shownPrices());

        const std::pair<const char*, const char*> prices[] = {{"cementPriceField", "128.5"},
                                                              {"sandPriceField", "415.5"},
                                                              {"stonePriceField", "462.75"},
                                                              {"admixturePriceField", "87.35"},
                                                              {"readymixPriceField", "18x50"}};
        for (const auto& [field, price] : prices)
            retype(field, price);
        QCOMPARE(control<QLineEdit>(*m_window, "readymixPriceField")->text(), QStringLiteral("1850"));
        // Each part beside its price; the total, its share of a cubic metre and the comparison
        // are the order sheet's own lines.
        const std::pair<const char*, const char*> parts[] = {{"cementCost", "8481.00  บาท"},
                                                             {"sandCost", "2285.25  บาท"},
                                                             {"stoneCost", "3470.62  บาท"},
                                                             {"admixtureCost", "733.74  บาท"},
                                                             {"readymixCost", "19425.00  บาท"}};
        for (const auto& [name, expected] : parts)
            QCOMPARE(text(name), QString::fromUtf8(expected));
        const QStringList sheet = golden::lines(QStringLiteral("texts/pourcost-example1.txt"));
        QCOMPARE(text("costSummary").split(QLatin1Char('\n')), QStringList({sheet[5], sheet[6], sheet[8], sheet[9]}));
        QVERIFY(shownPrices() && shownPrices()->stone == 462.75);

        const QStringList before = figures();
        // Typed, every shorter price on the way would be a good one: the second is pasted.
        const std::tuple<const char*, const char*, const char*, const char*> bad[] = {
            {"sandPriceField", "sandPriceMessage", ".", "ไม่ใช่ตัวเลขที่ถูกต้อง"},
            {"readymixPriceField", "readymixPriceMessage", "99999999", "ต้องไม่เกิน 10000000 บาท"},
        };
        for (const auto& [field, message, typed, expected] : bad) {
            const QString good = control<QLineEdit>(*m_window, field)->text();
            if (QString::fromLatin1(typed).size() == 1)
                retype(field, typed);
            else
                control<QLineEdit>(*m_window, field)->setText(QString::fromLatin1(typed));
            QCOMPARE(text(message), QString::fromUtf8(expected));
            auto* label = control<QLabel>(*m_window, message);
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width(), message);
            QCOMPARE(figures(), before);
            // The cost lines left are out of date: greyed, and the order prints without them.
            QVERIFY(shownPlan() && !shownPrices());
            QVERIFY(!control(*m_window, "costSummary")->isEnabled());
            QVERIFY(control(*m_window, "staleNote")->isVisibleTo(m_window.get()));
            retype(field, good);
            QCOMPARE(text(message), QString());
            QVERIFY(shownPrices() && control(*m_window, "costSummary")->isEnabled());
        }

        for (const auto& [field, price] : prices)
            retype(field, "");
        for (const char* name : {"cementCost", "sandCost", "stoneCost", "admixtureCost", "readymixCost", "costSummary"})
            QCOMPARE(text(name), QString());
        QVERIFY(!shownPrices());
    }

private:
    void showTab() { control<QTabWidget>(*m_window, "SSTab1")->setCurrentIndex(3); }

    const mix::PourPlan* shownPlan() const
    {
        return m_window->shownDesign() ? m_window->shownDesign()->pour() : nullptr;
    }
    const mix::PourPrices* shownPrices() const
    {
        return m_window->shownDesign() ? m_window->shownDesign()->pricesShown() : nullptr;
    }

    QString text(const char* name) const { return control<QLabel>(*m_window, name)->text(); }

    void retype(const char* name, const QString& typed)
    {
        auto* field = control<QLineEdit>(*m_window, name);
        field->selectAll(); // typing over a selection replaces it in one edit, as a user does
        if (typed.isEmpty())
            QTest::keyClick(field, Qt::Key_Backspace);
        else
            QTest::keyClicks(field, typed);
    }

    QStringList figures() const
    {
        QStringList texts;
        for (const QLabel* label : control(*m_window, "pourPage")->findChildren<QLabel*>())
            if (!label->objectName().endsWith("Message"))
                texts << label->objectName() + "=" + label->text();
        return texts;
    }

    RecordingPrompter m_prompter;
    std::unique_ptr<Form2> m_window;
};

MIXDESIGN_TEST_MAIN(TestPourPage)
#include "pourpage_test.moc"
