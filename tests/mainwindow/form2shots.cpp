// Renders the main window with the first worked example calculated, one PNG per view, so
// the layout can be looked at without clicking through it.
#include "ui/main/form2.h"
#include "ui/main/picturelabel.h"
#include "ui/main/windowtexts.h"

#include "ui/common/designfont.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTabWidget>

#include <cstdio>

namespace {

template <typename T> T* find(QWidget& window, const char* name)
{
    auto* widget = window.findChild<T*>(QString::fromLatin1(name));
    if (!widget)
        std::fprintf(stderr, "form2shots: no %s\n", name);
    return widget;
}

bool save(QWidget& window, const QDir& dir, const QString& file)
{
    QApplication::processEvents();
    const bool ok = window.grab().save(dir.filePath(file));
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(dir.filePath(file)));
    return ok;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setFont(designFont());
    const QDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    QDir().mkpath(dir.path());

    Form2 window;
    window.setWindowTitle(QString::fromUtf8(windowtext::kStartCaption));
    window.show();
    auto* tabs = find<QTabWidget>(window, "SSTab1");
    tabs->setCurrentIndex(3);
    bool ok = save(window, dir, QStringLiteral("tab3-pour-before.png"));
    tabs->setCurrentIndex(0);

    find<QLineEdit>(window, "Text2")->setText(QStringLiteral("240"));
    find<QAbstractButton>(window, "Check1")->click();
    find<QComboBox>(window, "Combo1")->setCurrentIndex(1);
    find<QComboBox>(window, "Combo2")->setCurrentIndex(1);
    find<QAbstractButton>(window, "Check3")->click();
    find<QLineEdit>(window, "Text3")->setText(QStringLiteral("250"));
    find<QLineEdit>(window, "Text4")->setText(QStringLiteral("5"));
    find<QAbstractButton>(window, "Command1")->click();

    ok &= save(window, dir, QStringLiteral("tab0-data-entry.png"));
    tabs->setCurrentIndex(2);
    ok &= save(window, dir, QStringLiteral("tab2-criteria.png"));
    tabs->setCurrentIndex(1);
    ok &= save(window, dir, QStringLiteral("tab1-page1.png"));
    emit find<PictureLabel>(window, "Image11")->clicked();
    ok &= save(window, dir, QStringLiteral("tab1-page2.png"));
    emit find<PictureLabel>(window, "Image10")->clicked();
    ok &= save(window, dir, QStringLiteral("tab1-page3.png"));
    tabs->setCurrentIndex(3);
    find<QLineEdit>(window, "volumeField")->setText(QStringLiteral("10"));
    ok &= save(window, dir, QStringLiteral("tab3-pour.png"));
    find<QLineEdit>(window, "bagsPerBatchField")->setText(QStringLiteral("1.5"));
    ok &= save(window, dir, QStringLiteral("tab3-pour-bad-entry.png"));
    return ok ? 0 : 1;
}
