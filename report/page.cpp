#include "report/page.h"

#include <QMarginsF>
#include <QPageSize>

namespace report {

QPageLayout reportPageLayout()
{
    // A PDF has no border a printer cannot reach, so its printable area is the whole sheet
    // and the twip positions count from the paper's corner.
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Point);
}

} // namespace report
