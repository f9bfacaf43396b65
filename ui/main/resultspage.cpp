#include "ui/main/resultspage.h"

#include "ui_resultspage.h"

#include "engine/texts/acceptancetexts.h"
#include "format/acceptancechart.h"
#include "format/csvreader.h"
#include "format/csvrows.h"
#include "format/resultsheet.h"
#include "output/filewriter.h"
#include "ui/common/utf8text.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <array>
#include <sstream>

namespace {

// The sheet's columns as the reader names them, in the table's order.
constexpr std::array<const char*, 4> kColumns = {"sample", "strength", "age_days", "date"};

constexpr char kCalculateFirst[] = "ยังไม่ได้ตัดสิน: กด คำนวณ ที่หน้าป้อนข้อมูลก่อน "
                                   "ผลทดสอบจะตัดสินกับกำลังอัดและชนิดตัวอย่างของการออกแบบนั้น";
constexpr char kTypeResults[] = "พิมพ์หรือวางผลทดสอบลงในตาราง หรือเปิดไฟล์ CSV";
constexpr char kCannotOpen[] = "เปิดไฟล์ %1 ไม่ได้ (%2)";
constexpr char kCannotSave[] = "บันทึกไฟล์ %1 ไม่ได้ (%2) ไฟล์เดิมยังอยู่เหมือนเดิม";
constexpr char kLowTest[] = "ผลนี้ต่ำกว่าเกณฑ์ทีละผล";
constexpr char kLowWindow[] = "อยู่ในชุดเฉลี่ย 3 ผลที่ต่ำกว่าเกณฑ์";
constexpr char kCsvFilter[] = "CSV (*.csv)";

const QColor kLowTestColour(255, 190, 190);
const QColor kLowWindowColour(255, 228, 160);
const QColor kFaultColour(255, 160, 160);

std::string lowered(const QString& text) { return text.trimmed().toLower().toStdString(); }

} // namespace

ResultsPage::ResultsPage(QWidget* parent) : QWidget(parent), m_ui(std::make_unique<Ui::ResultsPage>())
{
    m_ui->setupUi(this);
    QTableWidget* table = m_ui->resultsTable;
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    for (int column = 0; column < table->columnCount(); ++column)
        table->horizontalHeaderItem(column)->setToolTip(QString::fromLatin1(kColumns[size_t(column)]));
    table->setColumnWidth(0, 62);
    table->setColumnWidth(1, 56);
    table->setColumnWidth(2, 52);
    table->setColumnWidth(3, 70);
    table->verticalHeader()->setDefaultSectionSize(20);
    table->installEventFilter(this);
    keepOneEmptyRow();

    connect(table, &QTableWidget::itemChanged, this, &ResultsPage::cellChanged);
    connect(m_ui->openButton, &QPushButton::clicked, this, &ResultsPage::openClicked);
    connect(m_ui->saveButton, &QPushButton::clicked, this, &ResultsPage::saveClicked);
    connect(m_ui->printButton, &QPushButton::clicked, this, &ResultsPage::printRequested);
    connect(m_ui->previewButton, &QPushButton::clicked, this, &ResultsPage::previewRequested);
    connect(m_ui->pdfButton, &QPushButton::clicked, this, &ResultsPage::savePdfRequested);
    judge();
}

ResultsPage::~ResultsPage() = default;

void ResultsPage::setDesign(double specifiedKsc, mix::Specimen specimen)
{
    m_specifiedKsc = specifiedKsc;
    m_specimen = specimen;
    judge();
}

QString ResultsPage::message() const { return m_ui->sheetMessage->text(); }

ResultsPage::Cells ResultsPage::cells() const
{
    Cells rows;
    const QTableWidget* table = m_ui->resultsTable;
    for (int row = 0; row < table->rowCount(); ++row) {
        std::vector<std::string> cells;
        bool blank = true;
        for (int column = 0; column < table->columnCount(); ++column) {
            const QTableWidgetItem* item = table->item(row, column);
            cells.push_back(item ? item->text().toStdString() : std::string());
            if (item && !item->text().trimmed().isEmpty())
                blank = false;
        }
        if (!blank)
            rows.push_back(std::move(cells));
    }
    return rows;
}

void ResultsPage::setCell(int row, int column, const QString& text)
{
    QTableWidget* table = m_ui->resultsTable;
    if (row >= table->rowCount())
        table->setRowCount(row + 1);
    if (QTableWidgetItem* item = table->item(row, column))
        item->setText(text);
    else
        table->setItem(row, column, new QTableWidgetItem(text));
}

void ResultsPage::setSheet(const Cells& sheet)
{
    QTableWidget* table = m_ui->resultsTable;
    m_filling = true;
    table->clearContents();
    table->setRowCount(0);
    if (!sheet.empty()) {
        // Each of the sheet's columns to the table's of the same name; others are left out.
        std::vector<int> place(sheet[0].size(), -1);
        for (size_t i = 0; i < sheet[0].size(); ++i)
            for (size_t c = 0; c < kColumns.size(); ++c)
                if (lowered(fromUtf8(sheet[0][i])) == kColumns[c])
                    place[i] = int(c);
        for (size_t r = 1; r < sheet.size(); ++r)
            for (size_t i = 0; i < sheet[r].size() && i < place.size(); ++i)
                if (place[i] >= 0)
                    setCell(int(r - 1), place[i], fromUtf8(sheet[r][i]));
    }
    m_filling = false;
    keepOneEmptyRow();
    judge();
}

void ResultsPage::paste(const QString& text)
{
    QList<QStringList> rows;
    for (QString line : text.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        rows.append(line.split(QLatin1Char('\t')));
    }
    while (!rows.isEmpty() && rows.last().join(QString()).trimmed().isEmpty())
        rows.removeLast();
    if (rows.isEmpty())
        return;
    QTableWidget* table = m_ui->resultsTable;
    // A block copied with its header goes in by the header's names, below the rows there are.
    std::vector<int> place;
    int firstRow = std::max(table->currentRow(), 0);
    const int firstColumn = std::max(table->currentColumn(), 0);
    const QStringList& head = rows.first();
    const auto names = [&](const char* name) {
        return std::any_of(head.begin(), head.end(), [&](const QString& cell) { return lowered(cell) == name; });
    };
    if (names("sample") && names("strength")) {
        for (const QString& cell : head) {
            const auto at = std::find(kColumns.begin(), kColumns.end(), lowered(cell));
            place.push_back(at == kColumns.end() ? -1 : int(at - kColumns.begin()));
        }
        rows.removeFirst();
        firstRow = int(cells().size());
    }
    m_filling = true;
    for (int r = 0; r < rows.size(); ++r)
        for (int i = 0; i < rows[r].size(); ++i) {
            const int column = place.empty() ? firstColumn + i : (size_t(i) < place.size() ? place[size_t(i)] : -1);
            if (column >= 0 && column < table->columnCount())
                setCell(firstRow + r, column, rows[r][i].trimmed());
        }
    m_filling = false;
    m_modified = true;
    keepOneEmptyRow();
    judge();
}

bool ResultsPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui->resultsTable && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Paste)) {
            paste(QGuiApplication::clipboard()->text());
            return true;
        }
        if (key->matches(QKeySequence::Delete)) {
            for (QTableWidgetItem* item : m_ui->resultsTable->selectedItems())
                item->setText(QString());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool ResultsPage::openSheet(const QString& file)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) {
        showMessage(QString::fromUtf8(kCannotOpen).arg(QDir::toNativeSeparators(file), in.errorString()));
        return false;
    }
    std::istringstream text(in.readAll().toStdString());
    // A sheet whose header or CSV cannot be read has no cells to put in the table.
    {
        std::istringstream again(text.str());
        const format::SheetRead read = format::readResultsSheet(again);
        if (const auto* bad = std::get_if<format::SheetError>(&read)) {
            if (bad->line <= 1 || bad->fault == format::SheetFault::Unreadable ||
                bad->fault == format::SheetFault::TooManyCells) {
                showMessage(QString::fromUtf8(kCannotOpen).arg(QDir::toNativeSeparators(file), fromUtf8(bad->thai())));
                return false;
            }
        }
    }
    format::CsvReader reader(text);
    Cells sheet(1);
    reader.readHeader(sheet[0]);
    std::vector<std::string> row;
    while (reader.next(row)) {
        for (std::string& cell : row)
            cell = format::unguardedCell(cell);
        sheet.push_back(row);
    }
    setSheet(sheet);
    m_modified = false;
    return true;
}

bool ResultsPage::saveSheet(const QString& file)
{
    std::string csv;
    for (size_t c = 0; c < kColumns.size(); ++c)
        csv.append(c ? "," : "").append(kColumns[c]);
    csv += "\r\n";
    for (const auto& row : cells()) {
        for (size_t c = 0; c < row.size(); ++c) {
            if (c)
                csv += ',';
            format::appendCsvField(csv, row[c]);
        }
        csv += "\r\n";
    }
    const output::WriteResult written = output::writeFile(file, QByteArray::fromStdString(csv));
    if (!written.ok()) {
        showMessage(QString::fromUtf8(kCannotSave).arg(QDir::toNativeSeparators(file), written.reason));
        return false;
    }
    m_modified = false;
    judge();
    emit saved(file);
    return true;
}

void ResultsPage::openClicked()
{
    const QString file =
        QFileDialog::getOpenFileName(this, m_ui->openButton->text(), QString(), QString::fromUtf8(kCsvFilter));
    if (!file.isEmpty())
        openSheet(file);
}

void ResultsPage::saveClicked()
{
    const QString file =
        QFileDialog::getSaveFileName(this, m_ui->saveButton->text(), QString(), QString::fromUtf8(kCsvFilter));
    if (!file.isEmpty())
        saveSheet(file);
}

void ResultsPage::cellChanged()
{
    if (m_filling)
        return;
    m_modified = true;
    keepOneEmptyRow();
    judge();
}

void ResultsPage::keepOneEmptyRow()
{
    QTableWidget* table = m_ui->resultsTable;
    const bool filling = m_filling;
    m_filling = true;
    const auto blankRow = [table](int row) {
        for (int column = 0; column < table->columnCount(); ++column)
            if (const QTableWidgetItem* item = table->item(row, column); item && !item->text().isEmpty())
                return false;
        return true;
    };
    if (table->rowCount() == 0 || !blankRow(table->rowCount() - 1))
        table->setRowCount(table->rowCount() + 1);
    m_filling = filling;
}

void ResultsPage::showMessage(const QString& text, int row)
{
    m_ui->sheetMessage->setText(text);
    if (row < 0)
        return;
    // The reason beside the row at fault, in its number and its cells.
    QTableWidget* table = m_ui->resultsTable;
    auto* number = new QTableWidgetItem(QStringLiteral("⚠ %1").arg(row + 1));
    number->setToolTip(text);
    table->setVerticalHeaderItem(row, number);
    for (int column = 0; column < table->columnCount(); ++column) {
        if (!table->item(row, column))
            table->setItem(row, column, new QTableWidgetItem);
        table->item(row, column)->setBackground(kFaultColour);
        table->item(row, column)->setForeground(Qt::black);
        table->item(row, column)->setToolTip(text);
    }
    table->scrollToItem(table->item(row, 0));
}

void ResultsPage::clearMarks()
{
    QTableWidget* table = m_ui->resultsTable;
    for (int row = 0; row < table->rowCount(); ++row) {
        if (table->verticalHeaderItem(row))
            table->setVerticalHeaderItem(row, nullptr);
        for (int column = 0; column < table->columnCount(); ++column)
            if (QTableWidgetItem* item = table->item(row, column)) {
                item->setData(Qt::BackgroundRole, QVariant());
                item->setData(Qt::ForegroundRole, QVariant());
                item->setToolTip(QString());
            }
    }
}

void ResultsPage::judge()
{
    const bool filling = m_filling;
    m_filling = true;
    clearMarks();
    m_acceptance.reset();
    m_ui->verdictText->clear();
    m_ui->chart->clear();
    const Cells rows = cells();
    // Every row of the table, blank ones too, so that row i of the table is line i + 2 of the sheet.
    Cells table(1, std::vector<std::string>(kColumns.begin(), kColumns.end()));
    for (int row = 0; row < m_ui->resultsTable->rowCount(); ++row) {
        std::vector<std::string>& cells = table.emplace_back();
        for (int column = 0; column < m_ui->resultsTable->columnCount(); ++column) {
            const QTableWidgetItem* item = m_ui->resultsTable->item(row, column);
            cells.push_back(item ? item->text().toStdString() : std::string());
        }
    }
    const format::SheetRead read = format::readResultsTable(table);
    if (rows.empty())
        showMessage(QString::fromUtf8(kTypeResults));
    else if (const auto* bad = std::get_if<format::SheetError>(&read))
        showMessage(fromUtf8(bad->thai()),
                    bad->fault == format::SheetFault::NoTwentyEightDay ? -1 : int(bad->line) - 2);
    else if (!m_specifiedKsc)
        showMessage(QString::fromUtf8(kCalculateFirst));
    else
        showJudgement(std::get<std::vector<mix::StrengthRow>>(read));
    const bool judged = m_acceptance.has_value();
    m_ui->printButton->setEnabled(judged);
    m_ui->previewButton->setEnabled(judged);
    m_ui->pdfButton->setEnabled(judged);
    m_filling = filling;
}

void ResultsPage::showJudgement(const std::vector<mix::StrengthRow>& rows)
{
    m_acceptance = mix::judgeResults(*m_specifiedKsc, m_specimen, rows);
    const mix::AcceptanceText text = mix::acceptanceText(*m_acceptance);
    showMessage(QString());
    QStringList lines{fromUtf8(text.specified), fromUtf8(text.statistics), fromUtf8(text.aciHeading)};
    for (const auto& line : text.aci)
        lines << QStringLiteral("  ") + fromUtf8(line);
    lines << fromUtf8(text.enHeading);
    for (const auto& line : text.en)
        lines << QStringLiteral("  ") + fromUtf8(line);
    lines << fromUtf8(text.required) << fromUtf8(text.requiredBasis);
    for (const auto& line : text.marginAdvice)
        lines << fromUtf8(line);
    m_ui->verdictText->setPlainText(lines.join(QLatin1Char('\n')));

    QSvgRenderer svg(QByteArray::fromStdString(format::acceptanceChartSvg(*m_acceptance)));
    const qreal ratio = devicePixelRatioF();
    QPixmap chart(m_ui->chart->maximumSize() * ratio);
    chart.setDevicePixelRatio(ratio);
    chart.fill(Qt::white);
    QPainter painter(&chart);
    svg.render(&painter, QRectF(QPointF(0, 0), QSizeF(m_ui->chart->maximumSize())));
    painter.end();
    m_ui->chart->setPixmap(chart);
    markRows(rows);
}

void ResultsPage::markRows(const std::vector<mix::StrengthRow>& rows)
{
    QTableWidget* table = m_ui->resultsTable;
    const auto mark = [&](std::size_t test, int column, const QColor& colour, const char* why) {
        for (const mix::StrengthRow& row : rows) {
            if (row.ageDays != 28 || row.sample != m_acceptance->tests[test].sample)
                continue;
            QTableWidgetItem* item = table->item(int(row.line) - 2, column);
            if (!item)
                continue;
            item->setBackground(colour);
            item->setForeground(Qt::black);
            item->setToolTip(QString::fromUtf8(why));
        }
    };
    for (const mix::RuleVerdict* rule : {&m_acceptance->aci318, &m_acceptance->en206})
        for (std::size_t first : rule->lowMeans)
            for (std::size_t test = first; test < first + 3 && test < m_acceptance->tests.size(); ++test)
                mark(test, 0, kLowWindowColour, kLowWindow);
    for (const mix::RuleVerdict* rule : {&m_acceptance->aci318, &m_acceptance->en206})
        for (std::size_t test : rule->lowTests)
            mark(test, 1, kLowTestColour, kLowTest);
}
