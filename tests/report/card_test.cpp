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

    // The PDF is one landscape page whose texts are the card's; the pictograms are drawn (ink
    // where the first basket stands, none in the margin).
    void onePagePdfWithItsPictures()
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

        QImage image(1684, 1191, QImage::Format_RGB32); // one pixel to ten twips, once fitted
        image.fill(Qt::white);
        image.setDotsPerMeterX(3780 * 2);
        image.setDotsPerMeterY(3780 * 2);
        {
            QPainter painter(&image);
            report::renderCard(painter, card);
        }
        const auto inkIn = [&image](const QRect& r) {
            int ink = 0;
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    ink += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
            return ink;
        };
        const double px = image.width() / double(report::kCardWidth);
        const QRect firstBasket(int(1500 * px), int(1400 * px), int(1500 * px), int(1500 * px));
        QVERIFY(inkIn(firstBasket) > firstBasket.width() * firstBasket.height() / 10);
        QCOMPARE(inkIn(QRect(int(100 * px), int(1400 * px), int(400 * px), int(8000 * px))), 0);
    }
};

QTEST_MAIN(TestCard)
#include "card_test.moc"
