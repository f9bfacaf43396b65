#include "report/card.h"
#include "report/cardrender.h"
#include "tests/report/support/pdfwords.h"
#include "tests/report/support/samplecaptions.h"
#include "tests/support/golden.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

using namespace reporttest;

namespace {

QString materialName(mix::CardMaterial m)
{
    const char* const names[] = {"cement", "sand", "stone", "water", "admixture"};
    return QString::fromLatin1(names[int(m)]);
}

// An item as the golden file writes it: kind, x, y, w, h, then points, weight and text, or
// the pictogram and its fill.
QString row(const report::CardItem& item)
{
    QStringList f;
    const auto n = [](int v) { return QString::number(v); };
    switch (item.kind) {
    case report::CardItemKind::Text:
        f = {"text",   n(item.x), n(item.y), n(item.w), n(item.h), n(item.points), item.bold ? "bold" : "normal",
             item.text};
        break;
    case report::CardItemKind::Picture:
        f = {"picture",
             n(item.x),
             n(item.y),
             n(item.w),
             n(item.h),
             materialName(item.material),
             QString::number(item.fill)};
        break;
    case report::CardItemKind::Rule:
        f = {"rule", n(item.x), n(item.y), n(item.w), n(item.h)};
        break;
    }
    return f.join(QLatin1Char('\t'));
}

const QString kDate = QStringLiteral("2026-12-08");

// The card drawn on an image of one pixel to ten twips, once fitted.
QImage drawn(const report::Card& card)
{
    QImage image(1684, 1191, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(3780 * 2);
    image.setDotsPerMeterY(3780 * 2);
    QPainter painter(&image);
    report::renderCard(painter, card);
    return image;
}

// Dark pixels in a box given in twips.
int inkIn(const QImage& image, int x, int y, int w, int h)
{
    const double px = image.width() / double(report::kCardWidth);
    const QRect r(int(x * px), int(y * px), int(w * px), int(h * px));
    int ink = 0;
    for (int row = r.top(); row <= r.bottom(); ++row)
        for (int col = r.left(); col <= r.right(); ++col)
            ink += qGray(image.pixel(col, row)) < 128 ? 1 : 0;
    return ink;
}

} // namespace

class TestCard : public QObject {
    Q_OBJECT

private slots:
    // The per-bag batch of the first worked example, item by item.
    void perBagCardAsGolden()
    {
        const report::Card card = report::mixerCard(calculatedDesign(firstWorkedExample()), kDate);
        const QStringList expected = golden::lines(QStringLiteral("report/card-example1.tsv"));
        QCOMPARE(qsizetype(card.items.size()), expected.size());
        for (qsizetype i = 0; i < expected.size(); ++i)
            QCOMPARE(row(card.items[size_t(i)]), expected[i]);
    }

    // With a pour planned the card is one mixer batch: two 50 kg bags of the first example are
    // 100 kg, m = 100/310; stone 1110 m / 1600 = 0.22 m³ = 11.6 baskets, water 50 L = 1.9 pails.
    // No admixture in the second example: four rows.
    void batchOfAPourAndNoAdmixture()
    {
        using mix::Entry;
        const mix::Design twoBags = calculatedDesign(firstWorkedExample(), pourEntries({{Entry::Volume, "10"},
                                                                                        {Entry::Waste, "5"},
                                                                                        {Entry::BagKg, "50"},
                                                                                        {Entry::Basket, "0.019"},
                                                                                        {Entry::Pail, "27"},
                                                                                        {Entry::BagsPerBatch, "2"}}));
        const report::Card card = report::mixerCard(twoBags, kDate);
        QStringList texts;
        int stones = 0;
        double lastStoneFill = 0;
        for (const auto& item : card.items) {
            if (item.kind == report::CardItemKind::Text)
                texts << item.text;
            if (item.kind == report::CardItemKind::Picture && item.material == mix::CardMaterial::Stone) {
                ++stones;
                lastStoneFill = item.fill;
            }
        }
        QCOMPARE(texts[0], QStringLiteral("การ์ดผสมคอนกรีต  ผสม 1 ครั้ง ใช้ซีเมนต์ 2 ถุง"));
        for (const char* want : {"11.6", "หิน  0.22  ลบ.ม.", "1.9", "น้ำ  50  ลิตร", "ซีเมนต์  100  กก."})
            QVERIFY2(texts.contains(QString::fromUtf8(want)), want);
        QCOMPARE(stones, 12);
        QCOMPARE(lastStoneFill, 0.6);

        int rules = 0;
        for (const auto& item : report::mixerCard(calculatedDesign(secondWorkedExample()), kDate).items)
            rules += item.kind == report::CardItemKind::Rule ? 1 : 0;
        QCOMPARE(rules, 5); // four rows and the closing rule
    }

    // Water of a batch of two bags of the first example is 50 L, counted in pails of the size
    // given. Beyond 20 a row draws one pail and the count beside it; a figure too long for its
    // box is drawn smaller or cut short, never over the gaps before its unit and the pictures'
    // end, nor off the page.
    void manyMeasuresAndLongFigures_data()
    {
        QTest::addColumn<double>("pail");
        QTest::addColumn<int>("pails");
        QTest::addColumn<double>("lastFill");
        QTest::addColumn<QString>("times");
        QTest::newRow("1.9 pails: the second filled to 0.9") << 27.0 << 2 << 0.9 << QString();
        QTest::newRow("50 / (50/67) = 67 pails") << 50.0 / 67 << 1 << 1.0 << QStringLiteral("× 67");
        QTest::newRow("a pail of 1e-10 L: 500000000000") << 1e-10 << 1 << 1.0 << QStringLiteral("× 500000000000");
        QTest::newRow("a pail of 1e-37 L: a figure of 39 digits") << 1e-37 << 1 << 1.0 << QString();
    }

    void manyMeasuresAndLongFigures()
    {
        QFETCH(double, pail);
        QFETCH(int, pails);
        QFETCH(double, lastFill);
        QFETCH(QString, times);
        // Pails far below what an entry accepts: the card must still lay out whatever plan it gets.
        mix::Design design = calculatedDesign(firstWorkedExample());
        design.plan = std::get<mix::PourPlan>(
            mix::planPour(design.result->numbers.final, mix::PourSettings{10, 5, 50, 0.019, pail, 2}));
        const report::Card card = report::mixerCard(design, kDate);
        int drawnPails = 0;
        double fill = 0;
        QStringList timesTexts;
        for (const auto& item : card.items) {
            if (item.kind == report::CardItemKind::Picture && item.material == mix::CardMaterial::Water) {
                ++drawnPails;
                fill = item.fill;
            }
            if (item.kind == report::CardItemKind::Text && item.text.startsWith(QStringLiteral("× ")))
                timesTexts << item.text;
        }
        QCOMPARE(drawnPails, pails);
        QCOMPARE(fill, lastFill);
        if (!times.isEmpty())
            QCOMPARE(timesTexts, QStringList{times});

        const QImage image = drawn(card);
        QCOMPARE(inkIn(image, 11000, 1250, 300, 9000), 0); // between the pictures and the figures
        QCOMPARE(inkIn(image, 14000, 1250, 300, 9000), 0); // between the figures and their units
        QCOMPARE(inkIn(image, 16238, 0, 600, 11906), 0);   // the right margin
    }

    // The PDF is one landscape page, titled with the card's heading, whose Thai reads back as
    // drawn; the pictograms are drawn (ink where the first basket stands, none in the margin),
    // and a part measure is a level: the fifth of a basket of sand is its bottom, its heap pale.
    void onePagePdfWithItsTextAndPictures()
    {
        QVERIFY2(pdfToolAvailable(), "pdftotext (poppler-utils) is needed");
        const report::Card card = report::mixerCard(calculatedDesign(firstWorkedExample()), kDate);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("card.pdf"));
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(report::cardPdf(card));
        out.close();
        const auto pages = readPdf(file);
        QCOMPARE(pages.size(), 1u);
        QVERIFY(pages[0].width > pages[0].height);
        QVERIFY(pages[0].lines.size() >= 20);
        QString text;
        for (const auto& line : pages[0].lines)
            text += line.text + QLatin1Char('\n');
        QCOMPARE(text.count(QStringLiteral("ซีเมนต์")), 3);
        QCOMPARE(text.count(QStringLiteral("บุ้งกี๋")), 3);
        QCOMPARE(pdfInfo(file, QStringLiteral("Title")), QStringLiteral("การ์ดผสมคอนกรีต  ผสม 1 ครั้ง ใช้ซีเมนต์ 1 ถุง"));

        const QImage image = drawn(card);
        QVERIFY(inkIn(image, 1500, 1400, 1500, 1500) > 150 * 150 / 10);
        QCOMPARE(inkIn(image, 100, 1400, 400, 8000), 0);
        // The sand basket of 0.2 stands at 7820, 3200, 1500 twips square; its heap is the
        // drawing's 24 to 50 of 100, the basket 50 to 86, the level 86 - 62 * 0.2 = 73.6.
        QCOMPARE(inkIn(image, 7820, 3200 + 360, 1500, 390), 0);
        QVERIFY(inkIn(image, 7820, 3200 + 1140, 1500, 150) > 150 * 15 / 2);
    }
};

QTEST_MAIN(TestCard)
#include "card_test.moc"
