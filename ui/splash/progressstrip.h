#pragma once

#include <QColor>
#include <QFrame>
#include <QImage>
#include <QString>

// The drawing surface of the start-up window's progress strip. It is addressed in twips with the
// origin at its inner top-left corner, and it keeps what was drawn on it until it is cleared,
// so the splash can draw each step the way it was designed: clear, fill boxes, measure, print.
class ProgressStrip : public QFrame {
    Q_OBJECT

public:
    static constexpr int twipsPerPixel = 15;

    explicit ProgressStrip(QWidget* parent = nullptr);

    float outerWidth() const;
    float outerHeight() const;

    // Clears to the background colour and moves the text position back to (0, 0).
    void cls();
    // Fills the box whose opposite corners are the two points; both corners are inside it.
    void fillBox(float x1, float y1, float x2, float y2, const QColor& color);
    float textWidth(const QString& text) const;
    float textHeight(const QString& text) const;
    void setCurrentX(float x) { m_currentX = x; }
    void setCurrentY(float y) { m_currentY = y; }
    void setForeColor(const QColor& color) { m_foreColor = color; }
    QColor foreColor() const { return m_foreColor; }
    QColor backColor() const { return m_backColor; }
    // Writes the text at the text position and moves the position past it.
    void print(const QString& text);

    // What has been printed since the last clear, and the surface as it stands.
    QString printedText() const { return m_printed; }
    QImage surface() const { return m_surface; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    static int toPixels(float twips);
    void allocateSurface();

    QImage m_surface;
    QColor m_backColor;
    QColor m_foreColor;
    float m_currentX = 0;
    float m_currentY = 0;
    QString m_printed;
};
