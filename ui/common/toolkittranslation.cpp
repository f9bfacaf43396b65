#include "ui/common/toolkittranslation.h"

#include <QCoreApplication>
#include <QTranslator>

bool installToolkitTranslation(QObject* owner)
{
    auto* translator = new QTranslator(owner);
    if (!translator->load(QStringLiteral(":/i18n/qt_th.qm"))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}
