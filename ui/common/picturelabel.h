#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

// A picture control showing one piece of the compiled-in vector artwork, whole, at whatever size
// and display scale the control has, so it stays sharp at 200 %. The artwork is drawn when the
// control is first painted, at the pixel ratio of the screen it is on, and again only when that
// ratio or the control's size changes: drawing it earlier would hold up the window's appearance
// and guess the screen before the window is on one. It reports clicks; pictures that exist for
// their tooltip or their looks simply leave the signal unconnected. A build without the artwork
// still works: the picture is blank.
class PictureLabel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString source READ source WRITE setSource)

public:
    explicit PictureLabel(QWidget* parent = nullptr);

    QString source() const { return m_source; }
    void setSource(const QString& source);

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
    QPixmap m_drawn;
    bool m_pressed = false;
};
