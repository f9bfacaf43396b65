#include "form2.h"
#include "windowtexts.h"

#include <designfont.h>

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// QApplication ends the process when it finds no display, so ask before creating it.
bool displayAvailable()
{
    const auto set = [](const char* name) { return !qEnvironmentVariableIsEmpty(name); };
    return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char* argv[])
{
    if (!displayAvailable()) {
        std::fputs("bolmiradex: no display available; start it on a desktop.\n", stderr);
        return EXIT_FAILURE;
    }
    QApplication app(argc, argv);
    QApplication::setFont(designFont());

    Form2 window;
    window.setWindowTitle(QString::fromUtf8(windowtext::kStartCaption));
    window.show();
    return app.exec();
}
