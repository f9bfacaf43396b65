#pragma once

#include <QString>

#include <functional>
#include <memory>

class QFileDialog;
class QPrintPreviewDialog;
class QPrinter;
class QSize;
class QWidget;

namespace print {

// Flags value that selects the printer dialog's set-up form: the printer and its paper,
// without the choices that belong to one print job.
inline constexpr int kPrintSetupForm = 64;

// The printer dialog's state between commands: once the set-up form has been chosen, every
// later print shows that form too.
struct CommonDialog {
    int Flags = 0;
};

// The dialogs the report commands open, behind one seam so that tests can answer them.
class ReportDialogs {
public:
    virtual ~ReportDialogs() = default;
    // Lets the user choose the printer and its settings in the form `dialog` selects. Returns
    // whether the user confirmed; only then do the choices reach `printer`.
    virtual bool showPrinter(QWidget* parent, QPrinter& printer, const CommonDialog& dialog) = 0;
    // The PDF file to write into, offered as `suggested` in the user's documents folder, or
    // empty when the user cancels.
    virtual QString choosePdfFile(QWidget* parent, const QString& suggested) = 0;
    // Shows what `paint` draws on `printer`, page by page, until the user closes it.
    virtual void showPreview(QWidget* parent, QPrinter& printer, const std::function<void(QPrinter&)>& paint) = 0;
};

class QtReportDialogs : public ReportDialogs {
public:
    bool showPrinter(QWidget* parent, QPrinter& printer, const CommonDialog& dialog) override;
    QString choosePdfFile(QWidget* parent, const QString& suggested) override;
    void showPreview(QWidget* parent, QPrinter& printer, const std::function<void(QPrinter&)>& paint) override;
};

// The save dialog for the PDF, set up but not shown: it asks before overwriting a file and
// adds ".pdf" when the user types a bare name.
std::unique_ptr<QFileDialog> makePdfSaveDialog(QWidget* parent, const QString& suggested);

// The preview's tool bar without the page-orientation buttons, and with names for the page
// field and the zoom list; and a size for the dialog that shows that whole bar on `available`.
void fitPreviewToolBar(QPrintPreviewDialog& box);
QSize previewSize(const QPrintPreviewDialog& box, const QSize& available);

ReportDialogs& defaultReportDialogs();

} // namespace print
