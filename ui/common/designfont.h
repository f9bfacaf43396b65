#pragma once

#include <QFont>

// The windows were designed around "MS Sans Serif" 8.25 pt with the Thai character set,
// which Linux desktops do not have. Noto Sans Thai UI (fonts-noto-ui-core) is drawn for
// interface line heights: at 11 px its lines are 15 px against Loma's 17.5, and it is about
// a tenth narrower, so the designed boxes hold their Thai. Loma (fonts-thai-tlwg), the
// Tahoma-like face, stands in when it is missing.
QFont designFont(qreal pointSize = 8.25, bool bold = false);

// The family name every window uses, with its fallbacks, for style sheets and tests.
QString designFontFamily();
