#include "ui/print/reportdialogs.h"

#include "ui/common/utf8text.h"
#include "ui/print/printwords.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QToolBar>

#include <algorithm>

namespace print {

namespace {

// A menu entry's words without its trailing dots, as the title of the window it opens.
QString titleOfEntry(std::string_view entry)
{
    QString title = fromUtf8(entry);
    while (title.endsWith(QLatin1Char('.')))
        title.chop(1);
    return title;
}

QString savePdfTitle() { return titleOfEntry(text::kSavePdfMenu); }

QString previewTitle() { return titleOfEntry(text::kPreviewMenu); }

} // namespace

void fitPreviewToolBar(QPrintPreviewDialog& box)
{
    // The sheets are upright whatever the page is turned to, so the orientation buttons would
    // only shrink them; without them the bar fits an 800-pixel screen.
    const QString portrait = QCoreApplication::translate("QPrintPreviewDialog", "Portrait");
    const QString landscape = QCoreApplication::translate("QPrintPreviewDialog", "Landscape");
    for (QAction* action : box.findChildren<QAction*>())
        if (action->text() == portrait || action->text() == landscape)
            action->setVisible(false);
    // The page number and the zoom list say what they are, not only what they hold.
    if (auto* toolBar = box.findChild<QToolBar*>()) {
        // The "»" button that holds what does not fit.
        if (auto* more = toolBar->findChild<QWidget*>(QStringLiteral("qt_toolbar_ext_button")))
            more->setAccessibleName(QStringLiteral("เครื่องมืออื่น ๆ"));
        for (QLineEdit* page : toolBar->findChildren<QLineEdit*>())
            if (!qobject_cast<QComboBox*>(page->parentWidget()))
                page->setAccessibleName(QStringLiteral("หน้า"));
        for (QComboBox* zoom : toolBar->findChildren<QComboBox*>()) {
            zoom->setAccessibleName(QStringLiteral("ย่อ/ขยาย"));
            // On this desktop a pick list is named by the label it is labelled by, never by its
            // own name; the bar has no room for a visible one.
            auto* label = new QLabel(zoom->accessibleName(), zoom->parentWidget());
            label->setBuddy(zoom);
            label->hide();
            if (QLineEdit* typed = zoom->lineEdit())
                typed->setAccessibleName(zoom->accessibleName());
        }
    }
}

QSize previewSize(const QPrintPreviewDialog& box, const QSize& available)
{
    // Four fifths of the screen, but never narrower than the whole tool bar.
    QSize size = available * 4 / 5;
    if (const auto* toolBar = box.findChild<QToolBar*>())
        size.setWidth(std::min(available.width(), std::max(size.width(), toolBar->sizeHint().width() + 24)));
    return size;
}

bool QtReportDialogs::showPrinter(QWidget* parent, QPrinter& printer, const CommonDialog& dialog)
{
    QPrintDialog box(&printer, parent);
    // The report always prints its two sheets whole, so page ranges would be ignored.
    box.setOption(QAbstractPrintDialog::PrintPageRange, false);
    box.setOption(QAbstractPrintDialog::PrintSelection, false);
    box.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.Flags == kPrintSetupForm) {
        box.setWindowTitle(fromUtf8(text::kPrinterSetup));
        box.setOption(QAbstractPrintDialog::PrintCollateCopies, false);
        // Confirming the set-up form prints nothing, so its button must not say "Print".
        if (auto* buttons = box.findChild<QDialogButtonBox*>())
            if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok))
                ok->setText(QCoreApplication::translate("QPlatformTheme", "OK"));
    }
    return box.exec() == QDialog::Accepted;
}

std::unique_ptr<QFileDialog> makePdfSaveDialog(QWidget* parent, const QString& suggested)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    auto box = std::make_unique<QFileDialog>(parent, savePdfTitle(), folder, QStringLiteral("PDF (*.pdf)"));
    box->setAcceptMode(QFileDialog::AcceptSave);
    box->setFileMode(QFileDialog::AnyFile);
    box->setDefaultSuffix(QStringLiteral("pdf"));
    box->selectFile(suggested);
    return box;
}

QString QtReportDialogs::choosePdfFile(QWidget* parent, const QString& suggested)
{
    const auto box = makePdfSaveDialog(parent, suggested);
    if (box->exec() != QDialog::Accepted || box->selectedFiles().isEmpty())
        return {};
    return box->selectedFiles().constFirst();
}

void QtReportDialogs::showPreview(QWidget* parent, QPrinter& printer, const std::function<void(QPrinter&)>& paint)
{
    QPrintPreviewDialog box(&printer, parent);
    box.setWindowTitle(previewTitle());
    fitPreviewToolBar(box);
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        box.resize(previewSize(box, screen->availableSize()));
    // The report is two sheets: show them side by side, whole, once the dialog has its size.
    if (auto* pages = box.findChild<QPrintPreviewWidget*>()) {
        QTimer::singleShot(0, pages, [pages] {
            pages->setViewMode(QPrintPreviewWidget::AllPagesView);
            pages->fitInView();
        });
    }
    QObject::connect(&box, &QPrintPreviewDialog::paintRequested, &box, [&paint](QPrinter* target) { paint(*target); });
    box.exec();
}

ReportDialogs& defaultReportDialogs()
{
    static QtReportDialogs dialogs;
    return dialogs;
}

} // namespace print
