#include "report/reportcommand.h"

#include "report/reportlayout.h"
#include "report/reportpage.h"
#include "report/reportpdf.h"
#include "report/reportrender.h"
#include "report/reporttexts.h"
#include "ui/common/prompter.h"

#include "ui/common/utf8text.h"
#include <QPageSize>
#include <QPainter>

namespace report {

namespace {

} // namespace

QString secondSheetFileName(const QString& sheet1File)
{
    QString base = sheet1File;
    const QString suffix = QStringLiteral(".pdf");
    if (base.endsWith(suffix, Qt::CaseInsensitive))
        base.chop(suffix.size());
    return base + QStringLiteral("-2.pdf");
}

ReportCommand::ReportCommand(QWidget* window, Prompter& prompter, CaptionLookup caption, McementGetter mcement,
                             ReportDialogs& dialogs)
    : QObject(window), m_window(window), m_prompter(prompter), m_caption(std::move(caption)),
      m_mcement(std::move(mcement)), m_dialogs(dialogs)
{
}

void ReportCommand::Command2_Click()
{
    if (!m_dialogs.showPrinter(m_window, m_printer, m_commonDialog1))
        return;
    // Sheet 1 runs down to 14100 twips, more than a landscape A4 holds. A printer that writes
    // a PDF gets the very page of the PDF menu entry, so both give the same sheets.
    if (m_printer.outputFormat() == QPrinter::PdfFormat) {
        m_printer.setPageLayout(reportPageLayout());
    } else {
        m_printer.setPageSize(QPageSize(QPageSize::A4));
        m_printer.setPageOrientation(QPageLayout::Portrait);
    }

    if (!printJob(sheet1Lines(m_caption))) {
        tellCannotPrint();
        return;
    }

    MessageBoxSpec paper;
    paper.text = fromUtf8(text::kPaperPrompt);
    paper.title = fromUtf8(text::kPaperPromptTitle);
    paper.icon = QMessageBox::Question;
    paper.buttons = QMessageBox::Ok;
    if (m_prompter.ask(m_window, paper) != QMessageBox::Ok)
        return;

    const QString sheet1File = m_printer.outputFileName();
    if (!sheet1File.isEmpty())
        m_printer.setOutputFileName(secondSheetFileName(sheet1File));
    const bool printed = printJob(sheet2Lines(m_caption, m_mcement ? m_mcement() : 0.0f));
    if (!sheet1File.isEmpty())
        m_printer.setOutputFileName(sheet1File);
    if (!printed)
        tellCannotPrint();
}

void ReportCommand::setprint_Click()
{
    m_commonDialog1.Flags = kPrintSetupForm;
    m_dialogs.showPrinter(m_window, m_printer, m_commonDialog1);
}

void ReportCommand::savePdf()
{
    const QString file = m_dialogs.choosePdfFile(m_window);
    if (file.isEmpty())
        return;
    if (writeReportPdf(file, m_caption, m_mcement ? m_mcement() : 0.0f))
        return;
    MessageBoxSpec failed;
    failed.text = QStringLiteral("บันทึกไฟล์ PDF ไม่ได้ โปรดเลือกโฟลเดอร์หรือชื่อไฟล์อื่นแล้วลองใหม่อีกครั้ง");
    failed.title = QStringLiteral("บันทึกรายงานไม่ได้");
    failed.icon = QMessageBox::Warning;
    m_prompter.ask(m_window, failed);
}

bool ReportCommand::printJob(const std::vector<ReportLine>& lines)
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
