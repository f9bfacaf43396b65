#include "ui/common/thaidate.h"

namespace {

constexpr int buddhistEraOffset = 543;

} // namespace

QString thaiShortDate(const QDate& date)
{
    return QStringLiteral("%1/%2/%3").arg(date.day()).arg(date.month()).arg(date.year() + buddhistEraOffset);
}

QString thaiFileDate(const QDate& date)
{
    return QStringLiteral("%1-%2-%3")
        .arg(date.year() + buddhistEraOffset)
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.day(), 2, 10, QLatin1Char('0'));
}
