#include "report/font.h"

#include <QFontInfo>
#include <QStringList>

namespace report {

namespace {

// The report was laid out for "CordiaUPC" 14 pt, a narrow Thai face Linux rarely has. Where it
// is installed it is used as designed. Otherwise Debian's fontconfig answers that name with
// Umpush shrunk to 0.65, but Qt takes only the family from the match and would draw Umpush at
// full size, running the long notes of sheet 2 far past the edge of A4. Umpush at 0.65 of 14 pt
// has Cordia's proportions, so the fixed positions of the layout still hold. The other faces only
// stand in when Umpush is missing; they are wider and the long lines may then overrun.
constexpr qreal kDesignPointSize = 14.0;
constexpr qreal kCordiaScale = 0.65;

QString designFace() { return QStringLiteral("CordiaUPC"); }

bool haveDesignFace()
{
    QFont asked(designFace());
    asked.setPointSizeF(kDesignPointSize);
    return QFontInfo(asked).family().compare(designFace(), Qt::CaseInsensitive) == 0;
}

} // namespace

QFont reportFont(bool bold)
{
    static const bool designed = haveDesignFace();
    QFont font;
    if (designed) {
        font.setFamily(designFace());
        font.setPointSizeF(kDesignPointSize);
    } else {
        font.setFamilies({QStringLiteral("Umpush"), QStringLiteral("Tlwg Typo"), QStringLiteral("Loma")});
        font.setPointSizeF(kDesignPointSize * kCordiaScale);
    }
    font.setBold(bold);
    return font;
}

} // namespace report
