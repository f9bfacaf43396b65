#include "ui/main/durabilitychartdialog.h"

#include "engine/texts/exposurewords.h"
#include "ui/common/utf8text.h"

#include <QPainter>
#include <QSvgRenderer>

namespace {

// The chart's own size in its SVG units, which a pixel on an unscaled screen shows 1:1.
constexpr QSize kChartSize(640, 360);

} // namespace

DurabilityChartDialog::DurabilityChartDialog(QWidget* parent) : QDialog(parent), m_renderer(new QSvgRenderer(this))
{
    setObjectName(QStringLiteral("durabilityChartDialog"));
    setWindowTitle(fromUtf8(mix::exposurewords::kChartTitle));
    setAccessibleName(windowTitle());
    setMinimumSize(kChartSize / 2);
    resize(kChartSize);
}

void DurabilityChartDialog::showChart(const QByteArray& svg)
{
    m_svg = svg;
    m_renderer->load(svg);
    m_renderer->setAspectRatioMode(Qt::KeepAspectRatio);
    update();
    show();
    raise();
    activateWindow();
}

void DurabilityChartDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    m_renderer->render(&painter, rect());
}
