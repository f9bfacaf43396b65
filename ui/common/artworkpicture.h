#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

// A picture control showing one piece of the compiled-in vector artwork stretched to the control.
// The artwork is drawn when the control is first painted, at the pixel ratio of the screen it is
// on, and again only when that ratio or the control's size changes; drawing it in the constructor
// would hold up the window's appearance and guess the screen before the window is on one.
class ArtworkPicture : public QWidget {
    Q_OBJECT

public:
    explicit ArtworkPicture(QWidget* parent = nullptr);

    void setArtwork(const QString& resource);
    QString artwork() const { return m_resource; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_resource;
    QPixmap m_drawn;
};
