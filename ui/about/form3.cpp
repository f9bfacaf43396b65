#include "ui/about/form3.h"

#include "ui_form3.h"

#include "ui/common/activatable.h"
#include "ui/common/artwork.h"
#include "ui/common/contrast.h"
#include "ui/common/designfont.h"
#include "ui/common/placement.h"
#include "ui/common/siteconfig.h"
#include "ui/common/weblink.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>

namespace {

QPointer<Form3>& theBox()
{
    static QPointer<Form3> box;
    return box;
}

bool isClick(const QEvent* event)
{
    return event->type() == QEvent::MouseButtonRelease &&
           static_cast<const QMouseEvent*>(event)->button() == Qt::LeftButton;
}

} // namespace

Form3::Form3(Prompter& prompter)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint),
      m_ui(std::make_unique<Ui::Form3>()), m_prompter(prompter)
{
    m_ui->setupUi(this);
    setWindowTitle(QStringLiteral("About :") + applicationTitle());
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setFixedSize(size());
    setFont(designFont());

    m_ui->Image1->setSource(QStringLiteral(":/art/about.svg"));
    m_ui->Label4->setText(siteBaseAddress());

    QFont contact = designFont(8.25, true);
    for (QLabel* label : {m_ui->Label1, m_ui->Label2, m_ui->Label3, m_ui->Label6})
        label->setFont(contact);
    contact.setUnderline(true);
    for (QLabel* label : {m_ui->Label4, m_ui->Label5})
        label->setFont(contact);

    // The title-bar colour and the dark red of the notice as designed, unless the desktop's own
    // background (a dark theme) leaves them unreadable.
    const QColor background = palette().color(QPalette::Active, QPalette::Window);
    const QColor titleBar = legibleColour(palette().color(QPalette::Active, QPalette::Highlight), {background});
    for (QLabel* label :
         {m_ui->Label4, m_ui->Label5, m_ui->Label6, m_ui->Label8, m_ui->Label9, m_ui->Label10, m_ui->Label11}) {
        QPalette colours = label->palette();
        colours.setColor(QPalette::WindowText, titleBar);
        label->setPalette(colours);
    }
    QPalette notice = m_ui->Label7->palette();
    notice.setColor(QPalette::WindowText, legibleColour(QColor(192, 0, 0), {background}));
    m_ui->Label7->setPalette(notice);
    m_ui->Label11->setText(QStringLiteral("เวอร์ชัน %1").arg(QString::fromUtf8(MIXDESIGN_VERSION)));

    for (QLabel* link : {m_ui->Label4, m_ui->Label6}) {
        link->setCursor(linkCursor());
        link->installEventFilter(this);
    }
    // Both links open the site; a screen reader says so in Thai before the link's own words.
    const QString openSite = QStringLiteral("เปิดเว็บไซต์ %1");
    makeActivatable(m_ui->Label4, QAccessible::Link, openSite.arg(m_ui->Label4->text()), [this] { Label4_Click(); });
    makeActivatable(m_ui->Label6, QAccessible::Link, openSite.arg(m_ui->Label6->text()), [this] { Label6_Click(); });
    connect(m_ui->Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
}

Form3::~Form3() = default;

Form3* Form3::showSingle(Prompter& prompter)
{
    QPointer<Form3>& box = theBox();
    if (!box) {
        box = new Form3(prompter);
        placeOnScreen(box);
    }
    box->show();
    box->raise();
    box->activateWindow();
    return box;
}

bool Form3::eventFilter(QObject* watched, QEvent* event)
{
    if (isClick(event)) {
        if (watched == m_ui->Label4)
            Label4_Click();
        else if (watched == m_ui->Label6)
            Label6_Click();
    }
    return QDialog::eventFilter(watched, event);
}

void Form3::Command1_Click() { close(); }

void Form3::Label4_Click() { openHomePage(); }

void Form3::Label6_Click() { openHomePage(); }

void Form3::openHomePage() { openWebLink(this, siteBaseAddress(), m_prompter); }
