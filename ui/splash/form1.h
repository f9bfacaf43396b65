#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>

#include <memory>

class QTimer;

namespace Ui {
class Form1;
}

// The start-up window: artwork, welcome texts and a progress strip that runs from 2 % to 100 %
// in 25 ms steps, then hands over to the main window. The main window may be given at once or,
// for a quicker start, built once the splash is on screen (firstPainted) and given then. Create
// the splash with new: it deletes itself when it closes.
class Form1 : public QWidget {
    Q_OBJECT

public:
    explicit Form1(QWidget* mainWindow = nullptr, QWidget* parent = nullptr);
    ~Form1() override;

    // Captions the hidden main window; shows it at once when the splash has already handed over.
    void setMainWindow(QWidget* mainWindow);

    void Timer1_Timer();

    qint16 progressCount() const { return m_progressCount; }
    bool hasPainted() const { return m_painted; }

signals:
    void firstPainted();

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Form_Load();
    void applyDesktopColours();
    void fitColoursToArtwork();
    void showMainWindow();
    void scheduleNextTick();

    std::unique_ptr<Ui::Form1> m_ui;
    QPointer<QWidget> m_mainWindow;
    QTimer* m_timer;
    QElapsedTimer m_clock;
    bool m_painted = false;
    bool m_handedOver = false;
    qint16 m_progressCount = 0;
    float m_stripHeight = 0;
    float m_stripWidth = 0;
};
