#include "ui/common/designfont.h"

#include <QStringList>

QString designFontFamily() { return QStringLiteral("Loma"); }

QFont designFont(qreal pointSize, bool bold)
{
    QFont font(designFontFamily());
    const QStringList families{designFontFamily(), QStringLiteral("Tlwg Typo"), QStringLiteral("Garuda"),
                               QStringLiteral("Noto Sans Thai"), QStringLiteral("Sans Serif")};
    font.setFamilies(families);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}
