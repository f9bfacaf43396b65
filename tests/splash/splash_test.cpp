#include "ui/common/contrast.h"
#include "ui/common/weblink.h"
#include "ui/splash/form1.h"
#include "ui/splash/progressstrip.h"

#include "tests/support/pixels.h"
#include "tests/support/testmain.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

// Remembers whether the splash was still on screen at the moment the main window was shown.
class ShowWatcher : public QObject {
public:
    explicit ShowWatcher(QWidget* splash) : m_splash(splash) {}
    int shows = 0;
    bool splashVisibleAtShow = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            ++shows;
            splashVisibleAtShow = m_splash && m_splash->isVisible();
        }
        return false;
    }

private:
    QPointer<QWidget> m_splash;
};

struct Fixture {
    QWidget mainWindow;
    QPointer<Form1> splash;

    Fixture() : splash(new Form1(&mainWindow))
    {
        // Ticks are driven by the test, never by the clock.
        splash->findChild<QTimer*>(QStringLiteral("Timer1"))->stop();
        splash->show();
    }
    ~Fixture() { delete splash; }
    ProgressStrip* strip() const { return splash->findChild<ProgressStrip*>(QStringLiteral("Picture1")); }
    QString label(const char* name) const { return splash->findChild<QLabel*>(QLatin1String(name))->text(); }
    void tickTo(int count)
    {
        while (splash && splash->progressCount() < count)
            splash->Timer1_Timer();
    }
};

bool isColour(QRgb pixel, const QColor& colour) { return QColor(pixel).rgb() == colour.rgb(); }

// Columns of the strip's top row (above any text) that have the given colour, as [first, last].
QPair<int, int> columnsOf(const QImage& surface, const QColor& colour)
{
    int first = -1;
    int last = -1;
    for (int x = 0; x < surface.width(); ++x) {
        if (isColour(surface.pixel(x, 1), colour)) {
            if (first < 0)
                first = x;
            last = x;
        }
    }
    return {first, last};
}

// Pixels of the text band that are clearly reddish, as anti-aliased dark-red text on cyan gives.
int reddishTextPixels(const QImage& surface)
{
    int n = 0;
    for (int y = 2; y < surface.height(); ++y)
        for (int x = 0; x < 300; ++x) {
            const QColor c(surface.pixel(x, y));
            n += c.red() > 96 && c.green() < 64;
        }
    return n;
}

int darkTextPixels(const QImage& surface)
{
    int n = 0;
    for (int y = 2; y < surface.height(); ++y)
        for (int x = 0; x < 300; ++x)
            n += qGray(surface.pixel(x, y)) < 80;
    return n;
}

const QColor cyan(0, 255, 255);
const QColor red(255, 0, 0);

} // namespace

class SplashTest : public QObject {
    Q_OBJECT

private slots:
    void loadPreparesEverythingBeforeTheFirstTick();
    void welcomeTextChangesAtItsCounts_data();
    void welcomeTextChangesAtItsCounts();
    void stripShowsTheCountFromTwoPercent_data();
    void stripShowsTheCountFromTwoPercent();
    void redFillStartsAtEightyPercent_data();
    void redFillStartsAtEightyPercent();
    void textTurnsDarkRedAfterEightyPercent();
    void textSitsJustRightOfTheMiddle();
    void handOverClosesTheSplashThenShowsTheMainWindow();
    void closingEarlyShowsTheMainWindowAtOnce();
    void splashSurvivesAMissingMainWindow();
    void mainWindowGivenLaterIsCaptionedAndShownAtTheHandOver();
    void darkDesktopKeepsEveryTextReadable();
};

void SplashTest::loadPreparesEverythingBeforeTheFirstTick()
{
    QWidget mainWindow;
    QPointer<Form1> splash = new Form1(&mainWindow);
    auto* timer = splash->findChild<QTimer*>(QStringLiteral("Timer1"));
    QVERIFY(timer);
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 25);
    QCOMPARE(timer->timerType(), Qt::PreciseTimer);
    timer->stop();

    QCOMPARE(mainWindow.windowTitle(), QStringLiteral(" Drevanto Bolmiradex Concrete Mixed Design"));
    QVERIFY(!mainWindow.isVisible());
    QCOMPARE(splash->windowTitle(), QStringLiteral("เริ่ม"));
    QCOMPARE(splash->findChild<QLabel*>(QStringLiteral("Label2"))->text(), siteHost());
    QCOMPARE(splash->findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("Load Program..."));
    QCOMPARE(splash->progressCount(), qint16(1));

    auto* strip = splash->findChild<ProgressStrip*>(QStringLiteral("Picture1"));
    QCOMPARE(strip->outerWidth(), 6255.0f);
    QCOMPARE(strip->outerHeight(), 375.0f);
    QVERIFY(strip->printedText().isEmpty());
    QCOMPARE(columnsOf(strip->surface(), cyan).first, -1);

    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY((splash->geometry().center() - available.center()).manhattanLength() <= 2);
    delete splash;
}

void SplashTest::welcomeTextChangesAtItsCounts_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("text");
    const QString loading = QStringLiteral("Load Program...");
    QTest::newRow("first tick") << 2 << loading;
    QTest::newRow("just before 25") << 24 << loading;
    QTest::newRow("25") << 25 << QStringLiteral("ยินดีต้อนรับ");
    QTest::newRow("kept until 34") << 34 << QStringLiteral("ยินดีต้อนรับ");
    QTest::newRow("35") << 35 << QStringLiteral("สู่ Drevanto");
    QTest::newRow("45") << 45 << QStringLiteral("เรามีบริการมากมาย ");
    QTest::newRow("kept until 79") << 79 << QStringLiteral("เรามีบริการมากมาย ");
    QTest::newRow("80") << 80 << QStringLiteral("ขอบคุณครับ ");
    QTest::newRow("kept until the end") << 100 << QStringLiteral("ขอบคุณครับ ");
}

void SplashTest::welcomeTextChangesAtItsCounts()
{
    QFETCH(int, count);
    QFETCH(QString, text);
    Fixture f;
    f.tickTo(count);
    QCOMPARE(f.label("Label1"), text);
    // The label sizes itself to its text, so no Thai text is ever cut off.
    auto* label = f.splash->findChild<QLabel*>(QStringLiteral("Label1"));
    QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(text));
}

void SplashTest::stripShowsTheCountFromTwoPercent_data()
{
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QString>("printed");
    QTest::addColumn<int>("barEndColumn");
    QTest::newRow("first tick") << 1 << QStringLiteral(" 2 % completed") << 8;
    QTest::newRow("9 %") << 8 << QStringLiteral(" 9 % completed") << 38;
    QTest::newRow("10 %") << 9 << QStringLiteral(" 10 % completed") << 42;
    QTest::newRow("50 %") << 49 << QStringLiteral(" 50 % completed") << 209;
    QTest::newRow("100 %") << 99 << QStringLiteral(" 100 % completed") << 412;
}

void SplashTest::stripShowsTheCountFromTwoPercent()
{
    QFETCH(int, ticks);
    QFETCH(QString, printed);
    QFETCH(int, barEndColumn);
    Fixture f;
    for (int i = 0; i < ticks; ++i)
        f.splash->Timer1_Timer();
    QCOMPARE(f.strip()->printedText(), printed);
    const QImage surface = f.strip()->surface();
    const int bar = qMax(columnsOf(surface, cyan).second, columnsOf(surface, red).second);
    QCOMPARE(columnsOf(surface, cyan).first, 0);
    QCOMPARE(bar, barEndColumn);
}

void SplashTest::redFillStartsAtEightyPercent_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("firstRed");
    QTest::addColumn<int>("lastRed");
    QTest::newRow("79 %") << 79 << -1 << -1;
    QTest::newRow("80 %: only the few twips past 5000") << 80 << 333 << 334;
    QTest::newRow("90 %") << 90 << 333 << 375;
    QTest::newRow("100 %") << 100 << 333 << 412;
}

void SplashTest::redFillStartsAtEightyPercent()
{
    QFETCH(int, count);
    QFETCH(int, firstRed);
    QFETCH(int, lastRed);
    Fixture f;
    f.tickTo(count);
    const QImage surface = f.strip()->surface();
    QCOMPARE(columnsOf(surface, red), qMakePair(firstRed, lastRed));
    QCOMPARE(columnsOf(surface, cyan).first, 0);
    if (firstRed > 0)
        QCOMPARE(columnsOf(surface, cyan).second, firstRed - 1);
}

void SplashTest::textTurnsDarkRedAfterEightyPercent()
{
    Fixture f;
    f.tickTo(80);
    QCOMPARE(f.strip()->foreColor(), f.splash->palette().color(QPalette::WindowText));
    QVERIFY(darkTextPixels(f.strip()->surface()) > 20);
    QCOMPARE(reddishTextPixels(f.strip()->surface()), 0);

    f.splash->Timer1_Timer();
    QCOMPARE(f.strip()->foreColor(), QColor(192, 0, 0));
    QVERIFY(reddishTextPixels(f.strip()->surface()) > 20);
}

void SplashTest::textSitsJustRightOfTheMiddle()
{
    Fixture f;
    f.tickTo(30);
    const QImage surface = f.strip()->surface();
    int left = surface.width();
    int right = -1;
    for (int y = 0; y < surface.height(); ++y)
        for (int x = 0; x < surface.width(); ++x)
            if (qGray(surface.pixel(x, y)) < 128) {
                left = qMin(left, x);
                right = qMax(right, x);
            }
    QVERIFY(right > left);
    // The unmeasured blanks, and a centre taken on the outer width, push the text a little
    // right of the visible middle of the strip, but by a few pixels only.
    const double middle = surface.width() / 2.0;
    const double textMiddle = (left + right) / 2.0;
    QVERIFY2(textMiddle > middle && textMiddle < middle + 10, qPrintable(QString::number(textMiddle)));
}

void SplashTest::handOverClosesTheSplashThenShowsTheMainWindow()
{
    Fixture f;
    ShowWatcher watcher(f.splash);
    f.mainWindow.installEventFilter(&watcher);

    f.tickTo(100);
    QVERIFY(f.splash->isVisible());
    QVERIFY(!f.mainWindow.isVisible());
    QCOMPARE(f.strip()->printedText(), QStringLiteral(" 100 % completed"));

    f.splash->Timer1_Timer();
    QVERIFY(f.mainWindow.isVisible());
    QCOMPARE(watcher.shows, 1);
    QVERIFY(!watcher.splashVisibleAtShow);
    QVERIFY(!f.splash->findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
    // The hand-over step draws nothing: the last picture read 100 %.
    QCOMPARE(f.strip()->printedText(), QStringLiteral(" 100 % completed"));

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(f.splash.isNull());
    f.mainWindow.removeEventFilter(&watcher);
}

void SplashTest::closingEarlyShowsTheMainWindowAtOnce()
{
    Fixture f;
    ShowWatcher watcher(f.splash);
    f.mainWindow.installEventFilter(&watcher);
    f.tickTo(30);
    QVERIFY(f.splash->close());
    QVERIFY(f.mainWindow.isVisible());
    QVERIFY(!watcher.splashVisibleAtShow);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(f.splash.isNull());
    f.mainWindow.removeEventFilter(&watcher);
}

void SplashTest::splashSurvivesAMissingMainWindow()
{
    auto mainWindow = std::make_unique<QWidget>();
    QPointer<Form1> splash = new Form1(mainWindow.get());
    splash->findChild<QTimer*>(QStringLiteral("Timer1"))->stop();
    splash->show();
    mainWindow.reset();
    while (splash->progressCount() < 101)
        splash->Timer1_Timer();
    QVERIFY(!splash->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(splash.isNull());
}

// For the quicker start the main window is built once the splash is on screen.
void SplashTest::mainWindowGivenLaterIsCaptionedAndShownAtTheHandOver()
{
    QPointer<Form1> splash = new Form1;
    splash->show();
    QTRY_VERIFY(splash->hasPainted());
    QWidget mainWindow;
    splash->setMainWindow(&mainWindow);
    QCOMPARE(mainWindow.windowTitle(), QStringLiteral(" Drevanto Bolmiradex Concrete Mixed Design"));
    QVERIFY(!mainWindow.isVisible());
    splash->findChild<QTimer*>(QStringLiteral("Timer1"))->stop();
    while (splash && splash->progressCount() < 101)
        splash->Timer1_Timer();
    QVERIFY(mainWindow.isVisible());

    // Closed before the main window exists: it shows as soon as it is given.
    QPointer<Form1> early = new Form1;
    early->show();
    QWidget late;
    early->setAttribute(Qt::WA_DeleteOnClose, false);
    QVERIFY(early->close());
    early->setMainWindow(&late);
    QVERIFY(late.isVisible());
    delete early;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void SplashTest::darkDesktopKeepsEveryTextReadable()
{
    const QPalette light = QApplication::palette();
    QPalette dark = light;
    dark.setColor(QPalette::Window, QColor(53, 53, 53));
    dark.setColor(QPalette::WindowText, QColor(238, 238, 238));
    dark.setColor(QPalette::HighlightedText, QColor(250, 250, 250));
    QApplication::setPalette(dark);
    {
        Fixture f;
        QTRY_VERIFY(f.splash->hasPainted());
        QCoreApplication::processEvents();
        f.tickTo(50);
        for (const char* name : {"Label1", "Label2"}) {
            auto* text = f.splash->findChild<QLabel*>(QLatin1String(name));
            text->hide();
            const QImage bare = f.splash->grab(text->geometry()).toImage();
            text->show();
            const QImage drawn = f.splash->grab(text->geometry()).toImage();
            const double best = strongestContrast(drawn, drawn.rect(), meanColour(bare));
            QVERIFY2(best >= 4.5, qPrintable(QStringLiteral("%1 %2").arg(name).arg(best)));
        }
        // At 50 % the count stands partly on the bar and partly on the strip's background.
        const QImage strip = f.strip()->surface();
        const int barEnd = strip.width() / 2;
        const QRect onBar(0, 2, barEnd - 1, strip.height() - 4);
        const QRect onBack(barEnd + 1, 2, strip.width() - barEnd - 2, strip.height() - 4);
        QVERIFY(strongestContrast(strip, onBar, cyan) >= 4.5);
        QVERIFY(strongestContrast(strip, onBack, strip.pixelColor(strip.width() - 1, 0)) >= 4.5);
    }
    QApplication::setPalette(light);
}

MIXDESIGN_TEST_MAIN(SplashTest)

#include "splash_test.moc"
