#pragma once

#include <QPointer>
#include <QWidget>

class QTimer;

#include <memory>

namespace Ui {
class Form1;
}

// The start-up window: artwork, welcome texts and a progress strip that runs from 2 % to 100 %
// in 25 ms steps, then hands over to the main window. The main window is created hidden before
// the splash, so its own start-up work is done while the splash is on screen. Create the splash
// with new: it deletes itself when it closes.
class Form1 : public QWidget {
    Q_OBJECT

public:
    explicit Form1(QWidget* mainWindow, QWidget* parent = nullptr);
    ~Form1() override;

    void Timer1_Timer();

    qint16 progressCount() const { return m_progressCount; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void applyDesktopColours();
    void showMainWindow();

    std::unique_ptr<Ui::Form1> m_ui;
    QPointer<QWidget> m_mainWindow;
    QTimer* m_timer;
    qint16 m_progressCount = 0;
    float m_stripHeight = 0;
    float m_stripWidth = 0;
};
