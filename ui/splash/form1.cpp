#include "ui/splash/form1.h"

#include "ui_form1.h"

#include "ui/common/designfont.h"
#include "ui/common/weblink.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

namespace {

const QColor barColour(0, 255, 255);
const QColor lateBarColour(255, 0, 0);
const QColor lateTextColour(192, 0, 0);
// The red part of the bar starts at a fixed abscissa of the strip as it was designed, not at a
// fraction of its width.
constexpr float lateBarStart = 5000;
constexpr qint16 lateCount = 80;
constexpr qint16 handOverCount = 101;

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
    m_ui->Image1->setArtwork(QStringLiteral(":/art/splash.svg"));
    applyDesktopColours();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setTimerType(Qt::PreciseTimer);
    m_timer->setInterval(25);
    connect(m_timer, &QTimer::timeout, this, &Form1::Timer1_Timer);
    Form_Load();
}

Form1::~Form1() = default;

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

void Form1::Form_Load()
{
    m_ui->Label2->setText(siteHost());
    if (m_mainWindow)
        m_mainWindow->setWindowTitle(QStringLiteral(" Drevanto Bolmiradex Concrete Mixed Design"));
    m_timer->start();
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
    strip.setForeColor(palette().color(QPalette::WindowText));
    if (m_progressCount > lateCount)
        strip.setForeColor(lateTextColour);
    strip.print(QLatin1Char(' ') + count + QLatin1Char(' ') + completedText());
}

void Form1::closeEvent(QCloseEvent* event)
{
    // Closed by the last step or by the user before it: either way the main window takes over at
    // once, so the program is never left running without a window.
    m_timer->stop();
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
