#include "ui/splash/form1.h"

#include "ui_form1.h"

#include "ui/common/contrast.h"
#include "ui/common/designfont.h"
#include "ui/common/placement.h"
#include "ui/common/weblink.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace {

const QColor barColour(0, 255, 255);
const QColor lateBarColour(255, 0, 0);
const QColor lateTextColour(192, 0, 0);
// The red part of the bar starts at a fixed abscissa of the strip as it was designed, not at a
// fraction of its width.
constexpr float lateBarStart = 5000;
constexpr qint16 lateCount = 80;
constexpr qint16 handOverCount = 101;
constexpr int tickInterval = 25;

QString completedText() { return QStringLiteral("% completed"); }

QString welcomeText(qint16 count)
{
    switch (count) {
    case 25:
        return QStringLiteral("ยินดีต้อนรับ");
    case 35:
        return QStringLiteral("สู่ Drevanto");
    case 45:
        return QStringLiteral("เรามีบริการมากมาย ");
    case 80:
        return QStringLiteral("ขอบคุณครับ ");
    default:
        return {};
    }
}

} // namespace

Form1::Form1(QWidget* mainWindow, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), m_ui(std::make_unique<Ui::Form1>()),
      m_mainWindow(mainWindow), m_timer(new QTimer(this))
{
    m_ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    // The splash only ever hands over to the main window, so its closing must not end the program
    // while the main window is still hidden.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFont(designFont());
    m_ui->Label1->setFont(designFont(8.25, true));
    m_ui->Label2->setFont(designFont(8.25, true));
    m_ui->Label1->adjustSize();
    m_ui->Image1->setSource(QStringLiteral(":/art/splash.svg"));
    applyDesktopColours();
    // The labels stand on the artwork, which is only drawn with the first paint.
    connect(this, &Form1::firstPainted, this, &Form1::fitColoursToArtwork, Qt::QueuedConnection);
    placeOnScreen(this);

    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setTimerType(Qt::PreciseTimer);
    m_timer->setInterval(tickInterval);
    connect(m_timer, &QTimer::timeout, this, &Form1::Timer1_Timer);
    Form_Load();
}

Form1::~Form1() = default;

void Form1::setMainWindow(QWidget* mainWindow)
{
    m_mainWindow = mainWindow;
    if (!m_mainWindow)
        return;
    m_mainWindow->setWindowTitle(QLatin1Char(' ') + applicationTitle());
    if (m_handedOver)
        showMainWindow();
}

void Form1::applyDesktopColours()
{
    const QPalette desktop = palette();
    QPalette host = m_ui->Label2->palette();
    host.setColor(QPalette::WindowText, desktop.color(QPalette::Window));
    m_ui->Label2->setPalette(host);
    QPalette welcome = m_ui->Label1->palette();
    welcome.setColor(QPalette::WindowText, desktop.color(QPalette::WindowText));
    m_ui->Label1->setPalette(welcome);
}

// The desktop's colours stay where they read on the artwork behind them (a dark desktop's menu
// text is light, and the artwork under the welcome line is light too); elsewhere the same hue,
// made lighter or darker until it does.
void Form1::fitColoursToArtwork()
{
    const QRect stripRow = m_ui->Picture1->geometry();
    for (QLabel* label : {m_ui->Label1, m_ui->Label2}) {
        QRect area = label->geometry();
        if (label == m_ui->Label1)
            area.setRight(stripRow.right());
        area = area.translated(-m_ui->Image1->pos()).intersected(m_ui->Image1->rect());
        const QColor behind = meanColour(m_ui->Image1->grab(area).toImage());
        QPalette colours = label->palette();
        colours.setColor(QPalette::WindowText, legibleColour(colours.color(QPalette::WindowText), {behind}));
        label->setPalette(colours);
    }
}

void Form1::Form_Load()
{
    m_ui->Label2->setText(siteHost());
    setMainWindow(m_mainWindow);
    m_timer->start();
    m_clock.start();
    m_stripHeight = m_ui->Picture1->outerHeight();
    m_stripWidth = m_ui->Picture1->outerWidth();
    m_progressCount = 1;
}

void Form1::Timer1_Timer()
{
    ++m_progressCount;
    if (const QString welcome = welcomeText(m_progressCount); !welcome.isEmpty()) {
        m_ui->Label1->setText(welcome);
        m_ui->Label1->adjustSize();
    }
    if (m_progressCount == handOverCount) {
        close();
        return;
    }
    scheduleNextTick();

    ProgressStrip& strip = *m_ui->Picture1;
    strip.cls();
    const float barEnd = static_cast<float>(m_progressCount) * m_stripWidth / 100;
    strip.fillBox(0, 0, barEnd, m_stripHeight, barColour);
    if (m_progressCount >= lateCount)
        strip.fillBox(lateBarStart, 0, barEnd, m_stripHeight, lateBarColour);
    // Centred on the count and "% completed" alone; the blanks printed around the count were never
    // measured, so the text sits a little right of the middle, as it always has.
    const QString count = QString::number(m_progressCount);
    strip.setCurrentX(m_stripWidth / 2 - strip.textWidth(count + completedText()) / 2);
    strip.setCurrentY(m_stripHeight / 2 - strip.textHeight(QStringLiteral("0")) / 2);
    // The count stands on the bar and on the strip's own background.
    strip.setForeColor(legibleColour(palette().color(QPalette::WindowText), {strip.backColor(), barColour}));
    if (m_progressCount > lateCount)
        strip.setForeColor(lateTextColour);
    strip.print(QLatin1Char(' ') + count + QLatin1Char(' ') + completedText());
}

// Each step keeps to its nominal time from the start, so work done between two ticks (building
// the main window) delays one step, not the hand-over.
void Form1::scheduleNextTick()
{
    if (!m_timer->isActive())
        return;
    const qint64 nominal = qint64(m_progressCount) * tickInterval;
    m_timer->start(int(std::clamp<qint64>(nominal - m_clock.elapsed(), 0, tickInterval)));
}

void Form1::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    if (!m_painted) {
        m_painted = true;
        emit firstPainted();
    }
}

void Form1::closeEvent(QCloseEvent* event)
{
    // Closed by the last step or by the user before it: either way the main window takes over at
    // once, so the program is never left running without a window.
    m_timer->stop();
    m_handedOver = true;
    event->accept();
    hide();
    showMainWindow();
}

void Form1::showMainWindow()
{
    if (!m_mainWindow || m_mainWindow->isVisible())
        return;
    m_mainWindow->show();
    m_mainWindow->raise();
    m_mainWindow->activateWindow();
}
