#pragma once

#include "format/sheetlines.h"
#include "ui/print/reportdialogs.h"

#include <QDate>
#include <QObject>
#include <QPrinter>

#include "report/card.h"
#include "report/figure.h"

#include <functional>
#include <memory>
#include <optional>

namespace mix {
struct Acceptance;
struct Design;
} // namespace mix
class Prompter;
class QWidget;

namespace print {

// The Print button, the printer set-up, print preview and PDF entries of the main window. It
// prints the window's last accepted design, asked for when it runs, and keeps nothing but the
// current printer and the dialog's form.
class ReportCommand : public QObject {
    Q_OBJECT

public:
    // The design to print as the window shows it, its pour and cost included when it has them
    // (the order then prints as a third sheet); null before the first accepted Calculate.
    using DesignSource = std::function<const mix::Design*()>;

    ReportCommand(QWidget* window, Prompter& prompter, DesignSource design,
                  ReportDialogs& dialogs = defaultReportDialogs());

    // Print button: the printer dialog, sheet 1, then each later sheet as its own job after the
    // paper prompt.
    void Command2_Click();
    // Printer set-up: the dialog's set-up form, kept for every later print; prints nothing.
    void setprint_Click();
    // Every sheet into one PDF the user names.
    void savePdf();
    // Every sheet on screen, drawn as print and PDF draw them.
    void printPreview();
    // The mixer card of the design, or of one batch of its planned pour, in the preview, whose
    // print button prints it on a landscape page.
    void printCard();
    // That card as a PDF the user names, finished as `mixdesign --card` finishes it.
    void saveCardPdf();

    // The judged strength results to print as the acceptance sheet; null while there are none.
    using AcceptanceSource = std::function<const mix::Acceptance*()>;
    void setAcceptanceSource(AcceptanceSource acceptance) { m_acceptance = std::move(acceptance); }
    // The acceptance sheet with today's date and its chart: on the printer the user chooses, in
    // the preview, and as a PDF the user names.
    void printAcceptance();
    void previewAcceptance();
    void saveAcceptancePdf();

    // The printer the next print goes to, with the settings last confirmed in the dialog.
    QPrinter& currentPrinter();

signals:
    // A file was written whole.
    void saved(const QString& file);

private:
    const mix::Design* design() const;
    // The card of the design with today's date, or nothing when no face has its Thai letters.
    std::optional<report::Card> card();
    QString title() const;
    void tellMissingThaiFont();
    std::vector<format::SheetLines> sheets();
    QByteArray link() const;
    // The design's exposure chart on its sheet; none without a class.
    std::optional<report::SheetFigure> figure() const;
    void fitPrinterToReport();
    bool printsToFile() const;
    // One sheet as its own job: on the printer, or as a file when the printer writes one.
    // `figure`, when given, is drawn on this sheet.
    bool printSheet(const format::SheetLines& sheet, const QString& file, const QByteArray& link,
                    std::optional<report::SheetFigure> figure = std::nullopt);
    // Where sheet `number` goes beside `sheet1File`: asked before an existing file is replaced;
    // empty when the user skips that sheet.
    QString laterSheetFile(const QString& sheet1File, int number);
    // Writes a whole document, or tells the user why it could not, naming the file.
    bool saveDocument(const QString& file, const QByteArray& document);
    void tellCannotPrint();
    // The acceptance sheets of today, or none when nothing is judged or no face has their letters.
    std::vector<format::SheetLines> acceptanceSheets(const mix::Acceptance*& acceptance);
    void paintAcceptance(QPrinter& printer, const std::vector<format::SheetLines>& sheets,
                         const mix::Acceptance& acceptance);

    QWidget* m_window;
    Prompter& m_prompter;
    DesignSource m_design;
    AcceptanceSource m_acceptance;
    ReportDialogs& m_dialogs;
    CommonDialog m_commonDialog1;
    // Made on first use: a printer loads the print system (CUPS and what it needs), several
    // megabytes a user who never prints should not carry from start-up.
    std::unique_ptr<QPrinter> m_printer;
};

// The file names offered for a design's report and card: the words, the strength as typed, the
// specimen and the date of the Buddhist era ("รายการคำนวณ 240 ลูกบาศก์ 2569-12-09.pdf").
QString reportFileName(const mix::Design& design, const QDate& date);
QString cardFileName(const mix::Design& design, const QDate& date);
// The acceptance sheet's: "ผลทดสอบกำลังอัด 240 ลูกบาศก์ 2569-12-09.pdf", the strength as judged.
QString acceptanceFileName(const mix::Acceptance& acceptance, const QDate& date);

// The paper prompt before the later sheets, counting the sheets still to print.
QString paperPrompt(int sheetsLeft);

// Where sheet `number` goes when sheet 1 went to `sheet1File`: beside it, named by its number,
// so no later job overwrites an earlier one ("report.pdf" -> "report-2.pdf", "report-3.pdf").
QString sheetFileName(const QString& sheet1File, int number);

} // namespace print
