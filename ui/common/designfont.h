#pragma once

#include <QFont>

// The windows were designed around "MS Sans Serif" 8.25 pt with the Thai character set,
// which Linux desktops do not have. Loma (fonts-thai-tlwg) is the Tahoma-like Thai UI
// face Debian ships; its Thai marks stack higher, so boxes sized for the design may need
// a little more height, never a smaller font.
QFont designFont(qreal pointSize = 8.25, bool bold = false);

// The family name every window uses, with its fallbacks, for style sheets and tests.
QString designFontFamily();
