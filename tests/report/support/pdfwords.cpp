#include "tests/report/support/pdfwords.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>

namespace reporttest {

namespace {

constexpr double kSameLine = 2.0; // points between the tops of two words of one line

void addWord(PdfPage& page, const QString& text, double xMin, double yMin, double xMax)
{
    for (PdfLine& line : page.lines) {
        if (std::abs(line.yMin - yMin) <= kSameLine) {
            line.text += QLatin1Char(' ') + text;
            line.xMin = std::min(line.xMin, xMin);
            line.xMax = std::max(line.xMax, xMax);
            return;
        }
    }
    page.lines.push_back({text, xMin, yMin, xMax});
}

} // namespace

bool pdfToolAvailable() { return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(); }

std::vector<PdfPage> readPdf(const QString& file)
{
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), file, QStringLiteral("-")});
    if (!tool.waitForFinished(30000) || tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0)
        return {};

    std::vector<PdfPage> pages;
    QXmlStreamReader xml(tool.readAllStandardOutput());
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto attr = xml.attributes();
        if (xml.name() == QLatin1String("page")) {
            pages.push_back(
                {attr.value(QLatin1String("width")).toDouble(), attr.value(QLatin1String("height")).toDouble(), {}});
        } else if (xml.name() == QLatin1String("word") && !pages.empty()) {
            const double xMin = attr.value(QLatin1String("xMin")).toDouble();
            const double yMin = attr.value(QLatin1String("yMin")).toDouble();
            const double xMax = attr.value(QLatin1String("xMax")).toDouble();
            addWord(pages.back(), xml.readElementText(), xMin, yMin, xMax);
        }
    }
    for (PdfPage& page : pages)
        std::sort(page.lines.begin(), page.lines.end(),
                  [](const PdfLine& a, const PdfLine& b) { return a.yMin < b.yMin; });
    return pages;
}

std::vector<QByteArray> pageImages(const QString& file)
{
    QTemporaryDir dir;
    QProcess tool;
    tool.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-gray"), file,
                                            dir.filePath(QStringLiteral("page"))});
    std::vector<QByteArray> pages;
    if (!tool.waitForFinished(30000) || tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0)
        return pages;
    for (const QString& name : QDir(dir.path()).entryList(QDir::Files, QDir::Name)) {
        QFile page(dir.filePath(name));
        if (page.open(QIODevice::ReadOnly))
            pages.push_back(page.readAll());
    }
    return pages;
}

QString pdfInfo(const QString& file, const QString& field)
{
    QProcess tool;
    tool.start(QStringLiteral("pdfinfo"), {file});
    tool.waitForFinished(30000);
    for (const QString& line : QString::fromUtf8(tool.readAllStandardOutput()).split(QLatin1Char('\n')))
        if (line.startsWith(field + QLatin1Char(':')))
            return line.mid(field.size() + 1).trimmed();
    return {};
}

QString comparable(const QString& text) { return text.simplified(); }

} // namespace reporttest
