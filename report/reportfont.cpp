#include "report/reportfont.h"

#include <QStringList>

namespace report {

namespace {

// The report was laid out for "CordiaUPC" 14 pt, a narrow Thai face Linux does not have.
// Debian's fontconfig answers that name with Umpush shrunk to 0.65, but Qt takes only the
// family from the match and would draw Umpush at full size, running the long notes of
// sheet 2 far past the edge of A4. Umpush at 0.65 of 14 pt has Cordia's proportions, so the
// fixed positions of the layout still hold. The other faces only stand in when Umpush is
// missing; they are wider and the long lines may then overrun.
constexpr qreal kDesignPointSize = 14.0;
constexpr qreal kCordiaScale = 0.65;

} // namespace

QFont reportFont(bool bold)
{
    QFont font(QStringLiteral("Umpush"));
    font.setFamilies({QStringLiteral("Umpush"), QStringLiteral("Tlwg Typo"), QStringLiteral("Loma")});
    font.setPointSizeF(kDesignPointSize * kCordiaScale);
    font.setBold(bold);
    return font;
}

} // namespace report
