#include "report/pdffinish.h"

#include "report/pdfcmap.h"

// Shared pointers, not qpdf's old PointerHolder.
#define POINTERHOLDER_TRANSITION 4

#include <QCryptographicHash>
#include <QDateTime>
#include <QtGlobal>

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <string>

// libqpdf parses and rewrites the file: Qt compresses every stream and a change of length
// means a new cross-reference table, which is its trade and not ours.

namespace report {

namespace {

std::string streamText(QPDFObjectHandle stream)
{
    const std::shared_ptr<Buffer> data = stream.getStreamData(qpdf_dl_generalized);
    return std::string(reinterpret_cast<const char*>(data->getBuffer()), data->getSize());
}

struct NotQtsShape : std::runtime_error {
    using std::runtime_error::runtime_error;
};

constexpr double kSamePlace = 0.05; // device units between a run's first glyph and its line's start

// One text object of the content: where it begins and ends, and its first glyph's position.
struct Run {
    std::size_t begin = 0; // just after "BT\n"
    std::size_t end = 0;   // at "ET\n"
    QPointF start;
};

std::vector<Run> textRuns(const std::string& content)
{
    std::vector<Run> runs;
    std::size_t at = 0;
    while ((at = content.find("BT\n", at)) != std::string::npos) {
        if (at > 0 && content[at - 1] != '\n')
            throw NotQtsShape("BT inside a line");
        Run run;
        run.begin = at + 3;
        run.end = content.find("\nET\n", run.begin);
        const std::size_t td = content.find(" Td ", run.begin);
        if (run.end == std::string::npos || td == std::string::npos || td > run.end)
            throw NotQtsShape("a text object without a glyph position");
        run.end += 1;
        const std::size_t lineStart = content.rfind('\n', td) + 1;
        double x = 0;
        double y = 0;
        if (std::sscanf(content.c_str() + lineStart, "%lf %lf Td", &x, &y) != 2)
            throw NotQtsShape("a glyph position that is not two numbers");
        // Qt flips the text matrix (1 0 0 -1 0 0 Tm), so the content's y counts upwards.
        run.start = QPointF(x, -y);
        runs.push_back(run);
        at = run.end;
    }
    return runs;
}

bool samePlace(QPointF a, QPointF b)
{
    return std::abs(a.x() - b.x()) <= kSamePlace && std::abs(a.y() - b.y()) <= kSamePlace;
}

// The content with every line's runs in a span that carries its text: the first run the whole
// line, later runs (Qt splits a line where the shaper does) nothing, so nothing is read twice.
std::string withActualText(const std::string& content, const DrawnPage& lines)
{
    std::vector<const DrawnLine*> drawn;
    for (const DrawnLine& line : lines)
        if (!line.text.isEmpty())
            drawn.push_back(&line);

    const std::vector<Run> runs = textRuns(content);
    std::string out;
    out.reserve(content.size() + 200 * drawn.size());
    std::size_t copied = 0;
    std::size_t next = 0;
    for (const Run& run : runs) {
        std::string text = "()";
        if (next < drawn.size() && samePlace(run.start, drawn[next]->baseline))
            text = pdfHexText(drawn[next++]->text.toStdU16String());
        else if (next == 0)
            throw NotQtsShape("text before the first line");
        out.append(content, copied, run.begin - copied);
        out += "/Span <</ActualText " + text + ">> BDC\n";
        out.append(content, run.begin, run.end - run.begin);
        out += "EMC\n";
        copied = run.end;
    }
    if (next != drawn.size())
        throw NotQtsShape("a line without its text object");
    out.append(content, copied, std::string::npos);
    return out;
}

void mendFonts(QPDF& pdf)
{
    for (QPDFObjectHandle font : pdf.getAllObjects()) {
        if (!font.isDictionary() || !font.getKey("/Type").isNameAndEquals("/Font") ||
            !font.getKey("/Subtype").isNameAndEquals("/Type0"))
            continue;
        QPDFObjectHandle map = font.getKey("/ToUnicode");
        if (map.isStream()) {
            const std::string mended = mendedToUnicode(streamText(map));
            map.replaceStreamData(mended, QPDFObjectHandle::newNull(), QPDFObjectHandle::newNull());
        }
        // Qt tags a subset after where it sat in memory, so a tag changes on every run, and
        // names only the descriptor with it. A tag drawn from the subset's own bytes, on all
        // three names, is the same every run and agrees as readers and archives expect.
        QPDFObjectHandle descendants = font.getKey("/DescendantFonts");
        if (!descendants.isArray() || descendants.getArrayNItems() != 1)
            continue;
        QPDFObjectHandle cidFont = descendants.getArrayItem(0);
        QPDFObjectHandle descriptor = cidFont.getKey("/FontDescriptor");
        QPDFObjectHandle file = descriptor.getKey("/FontFile2");
        QPDFObjectHandle name = descriptor.getKey("/FontName");
        if (!name.isName() || !file.isStream())
            continue;
        const std::string tagged = name.getName();
        const std::size_t plus = tagged.find('+');
        const std::string face = plus == std::string::npos ? tagged.substr(1) : tagged.substr(plus + 1);
        const std::shared_ptr<Buffer> bytes = file.getRawStreamData();
        const QByteArray digest = QCryptographicHash::hash(
            QByteArrayView(bytes->getBuffer(), qsizetype(bytes->getSize())), QCryptographicHash::Sha1);
        std::string tag = "/";
        for (int i = 0; i < 6; ++i)
            tag += char('A' + quint8(digest[i]) % 26);
        QPDFObjectHandle fontName = QPDFObjectHandle::newName(tag + "+" + face);
        descriptor.replaceKey("/FontName", fontName);
        font.replaceKey("/BaseFont", fontName);
        cidFont.replaceKey("/BaseFont", fontName);
    }
}

QDateTime utc(qint64 seconds) { return QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC); }

// The given date in place of Qt's clock, in the document information and in the XMP packet
// of PDF/A, which must agree.
void setDate(QPDF& pdf, qint64 seconds)
{
    QPDFObjectHandle info = pdf.getTrailer().getKey("/Info");
    if (info.isDictionary())
        info.replaceKey(
            "/CreationDate",
            QPDFObjectHandle::newString(utc(seconds).toString(QStringLiteral("'D:'yyyyMMddHHmmss'Z'")).toStdString()));
    QPDFObjectHandle xmp = pdf.getRoot().getKey("/Metadata");
    if (!xmp.isStream())
        return;
    std::string packet = streamText(xmp);
    const std::string date = utc(seconds).toString(Qt::ISODate).toStdString();
    for (const std::string key : {"xmp:CreateDate=\"", "xmp:ModifyDate=\""}) {
        const std::size_t at = packet.find(key);
        const std::size_t end = at == std::string::npos ? at : packet.find('"', at + key.size());
        if (end != std::string::npos)
            packet.replace(at + key.size(), end - at - key.size(), date);
    }
    xmp.replaceStreamData(packet, QPDFObjectHandle::newNull(), QPDFObjectHandle::newNull());
}

} // namespace

std::optional<qint64> sourceDateEpoch()
{
    bool ok = false;
    const qint64 seconds = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&ok);
    return ok ? std::optional(seconds) : std::nullopt;
}

QByteArray finishPdf(const QByteArray& qtPdf, const std::vector<DrawnPage>& pages, std::optional<qint64> date)
{
    try {
        QPDF pdf;
        pdf.setSuppressWarnings(true);
        pdf.processMemoryFile("report", qtPdf.constData(), std::size_t(qtPdf.size()));
        std::vector<QPDFPageObjectHelper> pdfPages = QPDFPageDocumentHelper(pdf).getAllPages();
        if (pdfPages.size() != pages.size())
            throw NotQtsShape("a page more or less than the sheets");
        for (std::size_t i = 0; i < pages.size(); ++i) {
            QPDFObjectHandle contents = pdfPages[i].getObjectHandle().getKey("/Contents");
            if (!contents.isStream())
                throw NotQtsShape("a page's content in pieces");
            const std::string content = streamText(contents);
            contents.replaceStreamData(withActualText(content, pages[i]), QPDFObjectHandle::newNull(),
                                       QPDFObjectHandle::newNull());
        }
        mendFonts(pdf);
        if (date)
            setDate(pdf, *date);
        // Qt draws the first half of the /ID at random; made from the content, the same
        // sheets on the same date are the same bytes.
        pdf.getTrailer().removeKey("/ID");

        QPDFWriter writer(pdf);
        writer.setOutputMemory();
        writer.setObjectStreamMode(qpdf_o_disable); // PDF 1.4 has none, and PDF/A-1 allows none
        writer.setDecodeLevel(qpdf_dl_none);        // the fonts as Qt compressed them; only new streams are packed
        writer.setDeterministicID(true);
        writer.write();
        const std::shared_ptr<Buffer> bytes = writer.getBufferSharedPointer();
        return QByteArray(reinterpret_cast<const char*>(bytes->getBuffer()), qsizetype(bytes->getSize()));
    } catch (const std::exception&) {
        // Not the PDF this code knows (a Qt upgrade, say): the pictures are right as they are.
        return qtPdf;
    }
}

} // namespace report
