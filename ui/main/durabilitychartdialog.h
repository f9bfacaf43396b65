#pragma once

#include <QByteArray>
#include <QDialog>

class QSvgRenderer;

// The chart of the method's water/cement ratio against strength with the design's point, the
// class's limits and the least strength (format::durabilityChartSvg), in a window of its own
// that draws it at the chart's proportions at any size and any screen scale.
class DurabilityChartDialog : public QDialog {
    Q_OBJECT

public:
    explicit DurabilityChartDialog(QWidget* parent = nullptr);
    void showChart(const QByteArray& svg);
    // What is drawn, for the tests: the SVG last given.
    const QByteArray& chart() const { return m_svg; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSvgRenderer* m_renderer;
    QByteArray m_svg;
};
