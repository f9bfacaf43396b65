#pragma once

#include "ui/main/form2.h"

#include "engine/calculate.h"
#include "engine/picklists.h"
#include "engine/texts/resultwords.h"
#include "tests/support/recordingprompter.h"
#include "tests/support/testmain.h"
#include "ui/common/designfont.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>

#include <memory>

// Every test starts from a fresh window, shown and active, whose boxes the prompter answers.
inline bool openWindow(std::unique_ptr<Form2>& window, RecordingPrompter& prompter)
{
    window = std::make_unique<Form2>(prompter);
    window->show();
    return QTest::qWaitForWindowActive(window.get());
}

// Closes the window; false when a box the test expected never came.
inline bool closeWindow(std::unique_ptr<Form2>& window, RecordingPrompter& prompter)
{
    window.reset();
    const bool allAnswered = prompter.answers.isEmpty();
    prompter.boxes.clear();
    return allAnswered;
}

// A dark desktop palette, as a dark theme gives it: grey ground, light text.
inline QPalette darkPalette()
{
    QPalette dark;
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        dark.setColor(role, QColor(83, 83, 85));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(role, QColor(230, 230, 230));
    return dark;
}

inline QString u8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

// The inputs of one design as the user would give them on the data-entry tab.
struct Example {
    QString strength;
    bool cube = true;
    int slump = 0; // list index
    int stone = 0;
    bool admixture = false;
    QString dose;
    QString moisture;
};

inline Example firstExample() { return {"240", true, 1, 1, true, "250", "5"}; }
inline Example secondExample() { return {"240", false, 0, 0, false, "", "3"}; }

// The same design as the engine reads it, for comparing the window with the engine.
inline mix::MixInputs inputsOf(const Example& e)
{
    mix::MixInputs in;
    in.strengthText = e.strength.toStdString();
    in.cubeChecked = e.cube;
    in.cylinderChecked = !e.cube;
    in.slumpItem = std::string(mix::slumpItems()[size_t(e.slump)]);
    in.stoneItem = std::string(mix::stoneItems()[size_t(e.stone)]);
    in.admixtureChecked = e.admixture;
    in.noAdmixtureChecked = !e.admixture;
    in.doseText = e.dose.toStdString();
    in.moistureText = e.moisture.toStdString();
    return in;
}

// The numbers of the window's last accepted design; none before the first.
inline mix::MixDesign acceptedNumbers(const Form2& window)
{
    return window.lastDesign() ? window.lastDesign()->result->numbers.design : mix::MixDesign{};
}

template <typename T = QWidget> T* control(const QWidget& window, const QString& objectName)
{
    auto* widget = window.findChild<T*>(objectName);
    if (!widget)
        QTest::qFail(qPrintable(QStringLiteral("no control ") + objectName), __FILE__, __LINE__);
    return widget;
}

// Ticks exactly the boxes the example names, by clicks as a user would.
inline void enter(const QWidget& window, const Example& e)
{
    control<QLineEdit>(window, "Text2")->setText(e.strength);
    auto* specimen = control<QAbstractButton>(window, e.cube ? "Check1" : "Check2");
    if (!specimen->isChecked())
        specimen->click();
    control<QComboBox>(window, "Combo1")->setCurrentIndex(e.slump);
    control<QComboBox>(window, "Combo2")->setCurrentIndex(e.stone);
    auto* admixture = control<QAbstractButton>(window, e.admixture ? "Check3" : "Check4");
    if (!admixture->isChecked())
        admixture->click();
    control<QLineEdit>(window, "Text3")->setText(e.dose);
    control<QLineEdit>(window, "Text4")->setText(e.moisture);
}

inline void calculate(const QWidget& window) { control<QAbstractButton>(window, "Command1")->click(); }

// Everything a user could see or change in the window, one line per control, so that a
// handler which must change nothing can be checked against it.
inline QStringList snapshot(const QWidget& window)
{
    QStringList lines;
    lines << QStringLiteral("window visible=%1").arg(window.isVisible());
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (w->objectName().isEmpty())
            continue;
        QString line = QStringLiteral("%1 shown=%2 enabled=%3")
                           .arg(w->objectName())
                           .arg(w->isVisibleTo(&window))
                           .arg(w->isEnabled());
        if (const auto* l = qobject_cast<const QLabel*>(w))
            line += " text=" + l->text();
        else if (const auto* e = qobject_cast<const QLineEdit*>(w))
            line += " text=" + e->text() + " base=" + e->palette().color(QPalette::Base).name();
        else if (const auto* t = qobject_cast<const QPlainTextEdit*>(w))
            line += " text=" + t->toPlainText();
        else if (const auto* c = qobject_cast<const QComboBox*>(w))
            line += QStringLiteral(" index=%1").arg(c->currentIndex());
        else if (const auto* b = qobject_cast<const QAbstractButton*>(w))
            line += QStringLiteral(" checked=%1").arg(b->isChecked());
        else if (const auto* tabs = qobject_cast<const QTabWidget*>(w))
            line += QStringLiteral(" tab=%1").arg(tabs->currentIndex());
        lines << line;
    }
    return lines;
}
