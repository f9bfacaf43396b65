#include "ui/common/valuelabel.h"

#include <QGroupBox>
#include <QLabel>

namespace {

QString noValueYet() { return QStringLiteral("ยังไม่มีค่า"); }

} // namespace

void setValueText(QLabel* label, const QString& text)
{
    label->setText(text);
    const QString name = label->accessibleName();
    if (name.isEmpty() || name == noValueYet())
        label->setAccessibleName(text.isEmpty() ? noValueYet() : QString());
}

void nameEmptyValueLabels(QWidget* root)
{
    for (QLabel* label : root->findChildren<QLabel*>())
        if (qobject_cast<QGroupBox*>(label->parentWidget()) && label->text().isEmpty() &&
            label->accessibleName().isEmpty() && label->pixmap().isNull())
            label->setAccessibleName(noValueYet());
}
