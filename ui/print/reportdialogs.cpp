#include "ui/print/reportdialogs.h"

#include "ui/common/utf8text.h"
#include "ui/print/printwords.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>

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
                ok->setText(QStringLiteral("OK"));
    }
    return box.exec() == QDialog::Accepted;
}

std::unique_ptr<QFileDialog> makePdfSaveDialog(QWidget* parent)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    auto box = std::make_unique<QFileDialog>(parent, savePdfTitle(), folder, QStringLiteral("PDF (*.pdf)"));
    box->setAcceptMode(QFileDialog::AcceptSave);
    box->setFileMode(QFileDialog::AnyFile);
    box->setDefaultSuffix(QStringLiteral("pdf"));
    box->selectFile(QStringLiteral("mixdesign-report.pdf"));
    return box;
}

QString QtReportDialogs::choosePdfFile(QWidget* parent)
{
    const auto box = makePdfSaveDialog(parent);
    if (box->exec() != QDialog::Accepted || box->selectedFiles().isEmpty())
        return {};
    return box->selectedFiles().constFirst();
}

void QtReportDialogs::showPreview(QWidget* parent, QPrinter& printer, const std::function<void(QPrinter&)>& paint)
{
    QPrintPreviewDialog box(&printer, parent);
    box.setWindowTitle(previewTitle());
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        box.resize(screen->availableSize() * 4 / 5);
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
