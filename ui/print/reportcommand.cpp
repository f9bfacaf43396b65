#include "ui/print/reportcommand.h"

#include "engine/acceptance.h"
#include "engine/design.h"
#include "engine/texts/acceptancetexts.h"
#include "engine/version.h"
#include "format/acceptancechart.h"
#include "format/acceptancesheet.h"
#include "format/designlink.h"
#include "output/filewriter.h"
#include "report/cardrender.h"
#include "report/figure.h"
#include "report/font.h"
#include "report/page.h"
#include "report/render.h"
#include "ui/common/prompter.h"
#include "ui/common/thaidate.h"
#include "ui/common/utf8text.h"
#include "ui/print/pdfmaker.h"
#include "ui/print/printwords.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>

namespace print {

using Sheet = format::SheetLines;

QString paperPrompt(int sheetsLeft)
{
    return fromUtf8(text::kPaperPromptHead) + QString::number(sheetsLeft) + fromUtf8(text::kPaperPromptTail);
}

namespace {

QString fileName(std::string_view words, const mix::Design& design, const QDate& date)
{
    const mix::MixInputs& in = design.inputs();
    QString strength = fromUtf8(in.strengthText).trimmed();
    // The strength as typed names the file; nothing in it may name a folder.
    strength.replace(QLatin1Char('/'), QLatin1Char('-'));
    strength.replace(QLatin1Char('\\'), QLatin1Char('-'));
    const std::string_view specimen = in.cylinderChecked ? text::kCylinder : text::kCube;
    return QStringLiteral("%1 %2 %3 %4.pdf").arg(fromUtf8(words), strength, fromUtf8(specimen), thaiFileDate(date));
}

} // namespace

QString reportFileName(const mix::Design& design, const QDate& date)
{
    return fileName(text::kReportFileName, design, date);
}

QString cardFileName(const mix::Design& design, const QDate& date)
{
    return fileName(text::kCardFileName, design, date);
}

QString acceptanceFileName(const mix::Acceptance& acceptance, const QDate& date)
{
    const std::string_view specimen = acceptance.specimen == mix::Specimen::Cylinder ? text::kCylinder : text::kCube;
    QString strength = fromUtf8(mix::kscText(acceptance.specifiedKsc));
    if (strength.endsWith(QLatin1String(".00")))
        strength.chop(3);
    return QStringLiteral("%1 %2 %3 %4.pdf")
        .arg(fromUtf8(text::kAcceptanceFileName), strength, fromUtf8(specimen), thaiFileDate(date));
}

QString sheetFileName(const QString& sheet1File, int number)
{
    QString base = sheet1File;
    const QString suffix = QStringLiteral(".pdf");
    if (base.endsWith(suffix, Qt::CaseInsensitive))
        base.chop(suffix.size());
    return base + QStringLiteral("-%1.pdf").arg(number);
}

ReportCommand::ReportCommand(QWidget* window, Prompter& prompter, DesignSource design, ReportDialogs& dialogs)
    : QObject(window), m_window(window), m_prompter(prompter), m_design(std::move(design)), m_dialogs(dialogs)
{
}

QPrinter& ReportCommand::currentPrinter()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

const mix::Design* ReportCommand::design() const
{
    const mix::Design* design = m_design ? m_design() : nullptr;
    return design && design->result ? design : nullptr;
}

QByteArray ReportCommand::link() const
{
    const mix::Design* shown = design();
    return shown ? QByteArray::fromStdString(format::designLink(mix::kPageAddress, *shown)) : QByteArray();
}

std::optional<report::SheetFigure> ReportCommand::figure() const
{
    const mix::Design* shown = design();
    return shown ? report::durabilityFigure(*shown) : std::nullopt;
}

std::vector<Sheet> ReportCommand::sheets()
{
    const mix::Design* shown = design();
    if (!shown)
        return {};
    std::vector<Sheet> report = format::reportSheets(*shown);
    // Without a Thai face every line would print as black bars or in a dingbat face; nothing is
    // drawn, and the user learns which package brings the faces.
    if (!report::fontCoversSheets(report)) {
        tellMissingThaiFont();
        return {};
    }
    return report;
}

void ReportCommand::tellMissingThaiFont()
{
    MessageBoxSpec missing;
    missing.text = report::missingThaiFontMessage();
    missing.title = missing.text.section(QLatin1Char(' '), 0, 0);
    missing.icon = QMessageBox::Warning;
    m_prompter.ask(m_window, missing);
}

QString ReportCommand::title() const
{
    const mix::Design* shown = design();
    return shown ? QString::fromStdString(format::reportTitle(*shown->result)) : QString();
}

void ReportCommand::fitPrinterToReport()
{
    // Sheet 1 runs down to 14100 twips, more than a landscape A4 holds. A printer that writes
    // a PDF gets the very page of the PDF menu entry, so both give the same sheets.
    QPrinter& printer = currentPrinter();
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        printer.setPageLayout(report::reportPageLayout());
    } else {
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(QPageLayout::Portrait);
    }
}

void ReportCommand::Command2_Click()
{
    const std::vector<Sheet> report = sheets();
    if (report.empty())
        return;
    if (!m_dialogs.showPrinter(m_window, currentPrinter(), m_commonDialog1))
        return;
    fitPrinterToReport();

    const QString sheet1File = printsToFile() ? currentPrinter().outputFileName() : QString();
    if (!printSheet(report[0], sheet1File, link()))
        return;

    MessageBoxSpec paper;
    paper.title = fromUtf8(text::kPaperPromptTitle);
    paper.icon = QMessageBox::Question;
    paper.buttons = QMessageBox::Ok;
    for (size_t next = 1; next < report.size(); ++next) {
        paper.text = paperPrompt(int(report.size() - next));
        if (m_prompter.ask(m_window, paper) != QMessageBox::Ok)
            return;
        // Each later sheet shows the design as it stands when it prints, as every caption does.
        const std::vector<Sheet> now = sheets();
        if (now.size() <= next)
            return; // the volume was taken away while the prompt was up
        QString file;
        if (!sheet1File.isEmpty()) {
            file = laterSheetFile(sheet1File, int(next) + 1);
            if (file.isEmpty())
                continue; // the user skipped this sheet's file
        }
        std::optional<report::SheetFigure> chart = figure();
        if (chart && chart->sheet != next)
            chart.reset();
        if (!printSheet(now[next], file, {}, chart))
            return;
    }
}

void ReportCommand::setprint_Click()
{
    m_commonDialog1.Flags = kPrintSetupForm;
    m_dialogs.showPrinter(m_window, currentPrinter(), m_commonDialog1);
}

void ReportCommand::savePdf()
{
    const std::vector<Sheet> report = sheets();
    if (report.empty())
        return;
    const QString file = m_dialogs.choosePdfFile(m_window, reportFileName(*design(), QDate::currentDate()));
    if (file.isEmpty())
        return;
    const auto chart = figure();
    saveDocument(file, print::reportPdf(report, title(), link(), chart ? &*chart : nullptr));
}

void ReportCommand::printPreview()
{
    const std::vector<Sheet> report = sheets();
    if (report.empty())
        return;
    fitPrinterToReport();
    m_dialogs.showPreview(m_window, currentPrinter(), [&report, link = link(), chart = figure()](QPrinter& printer) {
        QPainter painter;
        if (painter.begin(&printer))
            report::renderSheets(painter, printer, report, link, chart ? &*chart : nullptr);
    });
}

std::optional<report::Card> ReportCommand::card()
{
    const mix::Design* shown = design();
    if (!shown)
        return std::nullopt;
    // The date as the status bar shows it.
    report::Card made = report::mixerCard(*shown, thaiShortDate(QDate::currentDate()));
    if (!report::fontCoversCard(made)) {
        tellMissingThaiFont();
        return std::nullopt;
    }
    return made;
}

void ReportCommand::printCard()
{
    const std::optional<report::Card> card = this->card();
    if (!card)
        return;
    QPrinter& printer = currentPrinter();
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        printer.setPageLayout(report::cardPageLayout());
    } else {
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(QPageLayout::Landscape);
    }
    m_dialogs.showPreview(m_window, printer, [&card](QPrinter& target) {
        QPainter painter;
        if (painter.begin(&target))
            report::renderCard(painter, *card);
    });
}

void ReportCommand::saveCardPdf()
{
    const std::optional<report::Card> card = this->card();
    if (!card)
        return;
    const QString file = m_dialogs.choosePdfFile(m_window, cardFileName(*design(), QDate::currentDate()));
    if (file.isEmpty())
        return;
    saveDocument(file, print::cardPdf(*card));
}

bool ReportCommand::printsToFile() const
{
    return m_printer && m_printer->outputFormat() == QPrinter::PdfFormat && !m_printer->outputFileName().isEmpty();
}

bool ReportCommand::printSheet(const Sheet& sheet, const QString& file, const QByteArray& link,
                               std::optional<report::SheetFigure> figure)
{
    // The sheet is a document of its own, the figure on its one page.
    if (figure)
        figure->sheet = 0;
    // A printer that writes a file gets the sheet as a whole document through the one writer,
    // so a full disk or a missing folder is told, never left as a cut file.
    if (!file.isEmpty())
        return saveDocument(file, print::reportPdf(std::span(&sheet, 1), title(), link, figure ? &*figure : nullptr));
    // On paper a line that fails is simply missing; only a job that cannot start or finish
    // counts as a failure.
    QPainter painter;
    if (painter.begin(&currentPrinter())) {
        report::render(painter, sheet, link);
        if (figure)
            report::renderFigure(painter, sheet, *figure);
        if (painter.end())
            return true;
    }
    tellCannotPrint();
    return false;
}

QString ReportCommand::laterSheetFile(const QString& sheet1File, int number)
{
    const QString proposed = sheetFileName(sheet1File, number);
    if (!QFileInfo::exists(proposed))
        return proposed;
    MessageBoxSpec replace;
    replace.text = QStringLiteral("มีไฟล์ %1 อยู่แล้ว ต้องการให้แผ่นที่ %2 ของรายงานเขียนทับไฟล์นี้หรือไม่? "
                                  "ถ้าไม่ จะให้เลือกชื่อไฟล์อื่น หรือยกเลิกเพื่อไม่บันทึกแผ่นที่ %2")
                       .arg(QDir::toNativeSeparators(proposed))
                       .arg(number);
    replace.title = QStringLiteral("เขียนทับไฟล์เดิม?");
    replace.icon = QMessageBox::Question;
    replace.buttons = QMessageBox::Yes | QMessageBox::No;
    replace.defaultButton = QMessageBox::No;
    if (m_prompter.ask(m_window, replace) == QMessageBox::Yes)
        return proposed;
    return m_dialogs.choosePdfFile(m_window, QFileInfo(proposed).fileName());
}

bool ReportCommand::saveDocument(const QString& file, const QByteArray& document)
{
    const output::WriteResult written =
        document.isEmpty()
            ? output::WriteResult{output::WriteStatus::IoError, QStringLiteral("the report could not be drawn")}
            : output::writeFile(file, document);
    if (written.ok()) {
        emit saved(file);
        return true;
    }
    MessageBoxSpec failed;
    failed.text = QStringLiteral("บันทึกไฟล์ %1 ไม่ได้ (%2) ไฟล์เดิมยังอยู่เหมือนเดิม "
                                 "โปรดเลือกโฟลเดอร์หรือชื่อไฟล์อื่นแล้วลองใหม่อีกครั้ง")
                      .arg(QDir::toNativeSeparators(file), written.reason);
    failed.title = QStringLiteral("บันทึกรายงานไม่ได้");
    failed.icon = QMessageBox::Warning;
    m_prompter.ask(m_window, failed);
    return false;
}

void ReportCommand::tellCannotPrint()
{
    MessageBoxSpec failed;
    failed.text = QStringLiteral("เปิดเครื่องพิมพ์ไม่ได้ รายงานจึงยังไม่ได้พิมพ์ โปรดตรวจสอบเครื่องพิมพ์แล้วลองใหม่อีกครั้ง");
    failed.title = QStringLiteral("พิมพ์รายงานไม่ได้");
    failed.icon = QMessageBox::Warning;
    m_prompter.ask(m_window, failed);
}

std::vector<Sheet> ReportCommand::acceptanceSheets(const mix::Acceptance*& acceptance)
{
    acceptance = m_acceptance ? m_acceptance() : nullptr;
    if (!acceptance)
        return {};
    // The date as the command's sheet gives it.
    std::vector<Sheet> sheets =
        format::acceptanceSheets(*acceptance, QDate::currentDate().toString(Qt::ISODate).toStdString());
    if (!report::fontCoversSheets(sheets)) {
        tellMissingThaiFont();
        return {};
    }
    return sheets;
}

namespace {

report::SheetFigure acceptanceChart(const mix::Acceptance& acceptance)
{
    return {QByteArray::fromStdString(format::acceptanceChartSvg(acceptance)), format::kAcceptanceChart};
}

} // namespace

void ReportCommand::paintAcceptance(QPrinter& printer, const std::vector<Sheet>& sheets,
                                    const mix::Acceptance& acceptance)
{
    printer.setPageLayout(report::reportPageLayout());
    QPainter painter;
    if (!painter.begin(&printer)) {
        tellCannotPrint();
        return;
    }
    for (std::size_t s = 0; s < sheets.size(); ++s) {
        if (s > 0)
            printer.newPage();
        report::render(painter, sheets[s]);
        if (s == 0)
            report::renderFigure(painter, sheets[s], acceptanceChart(acceptance));
    }
    if (!painter.end())
        tellCannotPrint();
}

void ReportCommand::printAcceptance()
{
    const mix::Acceptance* acceptance = nullptr;
    const std::vector<Sheet> sheets = acceptanceSheets(acceptance);
    if (sheets.empty() || !m_dialogs.showPrinter(m_window, currentPrinter(), m_commonDialog1))
        return;
    // A printer that writes a file gets the very PDF of the menu entry, through the one writer.
    if (printsToFile()) {
        saveDocument(
            currentPrinter().outputFileName(),
            print::figurePdf(sheets, acceptanceChart(*acceptance), fromUtf8(format::acceptanceTitle(*acceptance))));
        return;
    }
    paintAcceptance(currentPrinter(), sheets, *acceptance);
}

void ReportCommand::previewAcceptance()
{
    const mix::Acceptance* acceptance = nullptr;
    const std::vector<Sheet> sheets = acceptanceSheets(acceptance);
    if (sheets.empty())
        return;
    currentPrinter().setPageLayout(report::reportPageLayout());
    m_dialogs.showPreview(m_window, currentPrinter(), [this, &sheets, acceptance](QPrinter& printer) {
        paintAcceptance(printer, sheets, *acceptance);
    });
}

void ReportCommand::saveAcceptancePdf()
{
    const mix::Acceptance* acceptance = nullptr;
    const std::vector<Sheet> sheets = acceptanceSheets(acceptance);
    if (sheets.empty())
        return;
    const QString file = m_dialogs.choosePdfFile(m_window, acceptanceFileName(*acceptance, QDate::currentDate()));
    if (file.isEmpty())
        return;
    saveDocument(
        file, print::figurePdf(sheets, acceptanceChart(*acceptance), fromUtf8(format::acceptanceTitle(*acceptance))));
}

} // namespace print
