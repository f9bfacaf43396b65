#pragma once

#include "ui/common/designfont.h"

#include <QApplication>
#include <QTest>

// Qt Test's main for every window test: the offscreen platform unless the caller chose another
// one, so no test needs a display, and the program's own interface font, as the program sets it.
#define MIXDESIGN_TEST_MAIN(TestClass)                                                                                 \
    int main(int argc, char* argv[])                                                                                   \
    {                                                                                                                  \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                                            \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                                                   \
        QApplication app(argc, argv);                                                                                  \
        QApplication::setFont(designFont());                                                                           \
        TestClass test;                                                                                                \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }
