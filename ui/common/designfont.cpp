#include "ui/common/designfont.h"

#include <QFontDatabase>
#include <QStringList>

namespace {

const QString& uiFamily()
{
    static const QString family = QStringLiteral("Noto Sans Thai UI");
    return family;
}
const QString& fallbackFamily()
{
    static const QString family = QStringLiteral("Loma");
    return family;
}

} // namespace

QString designFontFamily()
{
    static const bool haveUiFace = QFontDatabase::hasFamily(uiFamily());
    return haveUiFace ? uiFamily() : fallbackFamily();
}

QFont designFont(qreal pointSize, bool bold)
{
    QFont font(designFontFamily());
    font.setFamilies({designFontFamily(), fallbackFamily(), QStringLiteral("Tlwg Typo"), QStringLiteral("Garuda"),
                      QStringLiteral("Sans Serif")});
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}
