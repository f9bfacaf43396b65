#include "cli/pdfexport.h"

#include "report/reportpdf.h"
#include "ui/common/prompter.h"
#include "ui/main/form2.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

#include <iostream>

namespace cli {

namespace {

constexpr int kRefused = 2;
constexpr int kSoftware = 70;
constexpr int kCannotCreate = 73;

// Nobody watches the hidden window: whatever it would ask goes to stderr and is answered OK.
class StderrPrompter : public Prompter {
public:
    QMessageBox::StandardButton ask(QWidget*, const MessageBoxSpec& box) override
    {
        std::cerr << box.text.toStdString() << "\n";
        ++m_asked;
        return QMessageBox::Ok;
    }
    int asked() const { return m_asked; }

private:
    int m_asked = 0;
};

template <typename Control> Control* control(Form2& window, const char* name)
{
    auto* found = window.findChild<Control*>(QString::fromLatin1(name));
    if (!found)
        std::cerr << "mixdesign: the main window has no control " << name << "\n";
    return found;
}

bool type(Form2& window, const char* name, const std::string& text)
{
    auto* field = control<QLineEdit>(window, name);
    if (field)
        field->setText(QString::fromStdString(text));
    return field;
}

bool pick(Form2& window, const char* name, const std::string& item)
{
    auto* list = control<QComboBox>(window, name);
    if (list)
        list->setCurrentIndex(list->findText(QString::fromStdString(item), Qt::MatchExactly));
    return list;
}

// Ticks a box the way a user does, so the window's own click handlers run.
bool tick(Form2& window, const char* name, bool wanted)
{
    auto* box = control<QAbstractButton>(window, name);
    if (box && box->isChecked() != wanted)
        box->click();
    return box;
}

bool fillAndCalculate(Form2& window, const mix::MixInputs& in)
{
    const bool filled = type(window, "Text2", in.strengthText) && tick(window, "Check1", in.cubeChecked) &&
                        tick(window, "Check2", in.cylinderChecked) && pick(window, "Combo1", in.slumpItem) &&
                        pick(window, "Combo2", in.stoneItem) && tick(window, "Check3", in.admixtureChecked) &&
                        tick(window, "Check4", in.noAdmixtureChecked) && type(window, "Text3", in.doseText) &&
                        type(window, "Text4", in.moistureText);
    auto* calculate = filled ? control<QAbstractButton>(window, "Command1") : nullptr;
    if (calculate)
        calculate->click();
    return calculate;
}

} // namespace

int writePdf(const mix::MixInputs& inputs, const std::string& file, int argc, char** argv)
{
    // The report is drawn, never shown: no display is needed unless one is asked for.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    StderrPrompter prompter;
    Form2 window(prompter);
    if (!fillAndCalculate(window, inputs))
        return kSoftware;
    // The engine accepted these inputs already; a window that refuses them has told why.
    if (prompter.asked() > 0 || window.design().mcement == 0)
        return kRefused;

    const auto caption = [&window](const QString& control) { return window.caption(control); };
    if (!report::writeReportPdf(QString::fromStdString(file), caption, window.design().mcement)) {
        std::cerr << "mixdesign: cannot write " << file << "\n";
        return kCannotCreate;
    }
    return 0;
}

} // namespace cli
