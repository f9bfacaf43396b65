#pragma once

#include <QWidget>

#include <memory>

class QSvgRenderer;

// A picture drawn from vector artwork at whatever size and display scale the widget has,
// so the small hint and arrow pictures stay sharp at 200 %. It reports clicks; pictures
// that exist for their tooltip simply leave the signal unconnected.
class PictureLabel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString source READ source WRITE setSource)

public:
    explicit PictureLabel(QWidget* parent = nullptr);
    ~PictureLabel() override;

    QString source() const { return m_source; }
    void setSource(const QString& source);
    bool hasPicture() const;

signals:
    void clicked();

protected:
    // Long hints wrap at a readable width instead of running across the screen on one line.
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString m_source;
    std::unique_ptr<QSvgRenderer> m_renderer;
    bool m_pressed = false;
};
