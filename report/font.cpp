#include "report/font.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QRawFont>
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

bool reportFontCovers(const QString& text)
{
    // With no face at all Qt still hands out a font, under an alias, that draws nothing: the face
    // must be one fontconfig itself lists for Thai before its glyphs are asked for.
    const QStringList thaiFaces = QFontDatabase::families(QFontDatabase::Thai);
    for (bool bold : {false, true}) {
        const QFont font = reportFont(bold);
        if (!thaiFaces.contains(QFontInfo(font).family(), Qt::CaseInsensitive))
            return false;
        const QRawFont face = QRawFont::fromFont(font);
        if (!face.isValid())
            return false;
        for (const char32_t c : text.toUcs4())
            if (c >= 0x0E00 && c <= 0x0E7F && !face.supportsCharacter(c))
                return false;
    }
    return true;
}

QString missingThaiFontMessage() { return QStringLiteral("ไม่พบฟอนต์ภาษาไทย กรุณาติดตั้งแพ็กเกจ fonts-thai-tlwg"); }

} // namespace report
