#include "tests/support/golden.h"

#include "tests/support/goldenfile.h"

#include <QTest>

namespace golden {

QStringList lines(const QString& relativePath)
{
    const auto text = goldenFile(relativePath.toStdString());
    if (!text) {
        QTest::qFail(qPrintable(QStringLiteral("cannot read golden file ") + relativePath), __FILE__, __LINE__);
        return {};
    }
    QStringList result = QString::fromStdString(*text).split(QLatin1Char('\n'));
    if (!result.isEmpty() && result.back().isEmpty())
        result.removeLast();
    return result;
}

QList<std::pair<QString, QString>> table(const QString& relativePath)
{
    QList<std::pair<QString, QString>> rows;
    for (const QString& line : lines(relativePath)) {
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        rows.append({line.left(tab), tab < 0 ? QString() : line.mid(tab + 1)});
    }
    return rows;
}

QStringList row(const QString& relativePath, const QString& name)
{
    for (const QString& line : lines(relativePath)) {
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.constFirst() == name)
            return fields;
    }
    QTest::qFail(qPrintable(QStringLiteral("no line %1 in golden file %2").arg(name, relativePath)), __FILE__,
                 __LINE__);
    return {};
}

std::pair<QString, QString> box(const QString& name)
{
    const QStringList fields = row(QStringLiteral("window/messageboxes.tsv"), name);
    return {fields.value(1), fields.value(2)};
}

} // namespace golden
