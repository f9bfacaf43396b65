#include "report/reportcommand.h"

#include "engine/calculate.h"
#include "report/reportlayout.h"
#include "report/reportpage.h"
#include "report/reportpdf.h"
#include "report/reportrender.h"
#include "report/reporttexts.h"
#include "ui/common/prompter.h"

#include "report/utf8text.h"
#include <QPageSize>
#include <QPainter>
#include <QSaveFile>

namespace report {

QString sheetFileName(const QString& sheet1File, int number)
{
    QString base = sheet1File;
    const QString suffix = QStringLiteral(".pdf");
    if (base.endsWith(suffix, Qt::CaseInsensitive))
        base.chop(suffix.size());
    return base + QStringLiteral("-%1.pdf").arg(number);
}

ReportCommand::ReportCommand(QWidget* window, Prompter& prompter, ResultSource result, ReportDialogs& dialogs)
    : QObject(window), m_window(window), m_prompter(prompter), m_result(std::move(result)), m_dialogs(dialogs)
{
}

std::vector<Sheet> ReportCommand::sheets() const
{
    const mix::CalcResult* result = m_result ? m_result() : nullptr;
    return result ? reportSheets(*result, m_plan ? m_plan() : nullptr) : std::vector<Sheet>{};
}

void ReportCommand::fitPrinterToReport()
{
    // Sheet 1 runs down to 14100 twips, more than a landscape A4 holds. A printer that writes
    // a PDF gets the very page of the PDF menu entry, so both give the same sheets.
    if (m_printer.outputFormat() == QPrinter::PdfFormat) {
        m_printer.setPageLayout(reportPageLayout());
    } else {
        m_printer.setPageSize(QPageSize(QPageSize::A4));
        m_printer.setPageOrientation(QPageLayout::Portrait);
    }
}

void ReportCommand::Command2_Click()
{
    const std::vector<Sheet> report = sheets();
    if (report.empty())
        return;
    if (!m_dialogs.showPrinter(m_window, m_printer, m_commonDialog1))
        return;
    fitPrinterToReport();

    if (!printJob(report[0])) {
        tellCannotPrint();
        return;
    }

    MessageBoxSpec paper;
    paper.text = fromUtf8(text::kPaperPrompt);
    paper.title = fromUtf8(text::kPaperPromptTitle);
    paper.icon = QMessageBox::Question;
    paper.buttons = QMessageBox::Ok;
    const QString sheet1File = m_printer.outputFileName();
    for (size_t next = 1; next < report.size(); ++next) {
        if (m_prompter.ask(m_window, paper) != QMessageBox::Ok)
            break;
        if (!sheet1File.isEmpty())
            m_printer.setOutputFileName(sheetFileName(sheet1File, int(next) + 1));
        // Each sheet shows the design as it stands when it prints, as every caption does.
        const std::vector<Sheet> now = sheets();
        if (now.size() <= next)
            break; // the volume was taken away while the prompt was up
        if (!printJob(now[next])) {
            tellCannotPrint();
            break;
        }
    }
    if (!sheet1File.isEmpty())
        m_printer.setOutputFileName(sheet1File);
}

void ReportCommand::setprint_Click()
{
    m_commonDialog1.Flags = kPrintSetupForm;
    m_dialogs.showPrinter(m_window, m_printer, m_commonDialog1);
}

void ReportCommand::savePdf()
{
    const std::vector<Sheet> report = sheets();
    if (report.empty())
        return;
    const QString file = m_dialogs.choosePdfFile(m_window);
    if (file.isEmpty())
        return;
    const QByteArray pdf = reportPdf(report);
    QSaveFile out(file);
    if (!pdf.isEmpty() && out.open(QIODevice::WriteOnly) && out.write(pdf) == pdf.size() && out.commit())
        return;
    MessageBoxSpec failed;
    failed.text = QStringLiteral("บันทึกไฟล์ PDF ไม่ได้ โปรดเลือกโฟลเดอร์หรือชื่อไฟล์อื่นแล้วลองใหม่อีกครั้ง");
    failed.title = QStringLiteral("บันทึกรายงานไม่ได้");
    failed.icon = QMessageBox::Warning;
    m_prompter.ask(m_window, failed);
}

void ReportCommand::printPreview()
{
    const std::vector<Sheet> report = sheets();
    if (report.empty())
        return;
    fitPrinterToReport();
    m_dialogs.showPreview(m_window, m_printer, [&report](QPrinter& printer) {
        QPainter painter;
        if (painter.begin(&printer))
            renderSheets(painter, printer, report);
    });
}

bool ReportCommand::printJob(const Sheet& lines)
{
    // A line that fails on paper is simply missing; only a job that cannot start or finish
    // counts as a failure.
    QPainter painter;
    if (!painter.begin(&m_printer))
        return false;
    render(painter, lines);
    return painter.end();
}

void ReportCommand::tellCannotPrint()
{
    MessageBoxSpec failed;
    failed.text = QStringLiteral("เปิดเครื่องพิมพ์ไม่ได้ รายงานจึงยังไม่ได้พิมพ์ โปรดตรวจสอบเครื่องพิมพ์แล้วลองใหม่อีกครั้ง");
    failed.title = QStringLiteral("พิมพ์รายงานไม่ได้");
    failed.icon = QMessageBox::Warning;
    m_prompter.ask(m_window, failed);
}

} // namespace report
