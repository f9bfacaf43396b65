#include "ui/main/statuspanels.h"

#include "ui/common/picturelabel.h"
#include "ui/common/weblink.h"

#include <QLabel>
#include <QStatusBar>

namespace {

constexpr int barHeight = 25;
constexpr int dateWidth = 90;
constexpr int pictureSide = 16;

QLabel* panel(QStatusBar* bar, const QString& name, const QString& text)
{
    auto* label = new QLabel(text, bar);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setAccessibleName(text);
    return label;
}

} // namespace

void fillStatusBar(QStatusBar* bar, const QDate& today)
{
    bar->setFixedHeight(barHeight);
    bar->setSizeGripEnabled(false);

    auto* date = panel(bar, QStringLiteral("StatusDate"), thaiShortDate(today));
    date->setMinimumWidth(dateWidth);
    bar->addWidget(date);

    const QString name = applicationTitle();
    auto* title = panel(bar, QStringLiteral("StatusTitle"), name);
    title->setToolTip(name);
    bar->addWidget(title, 1);

    auto* picture = new PictureLabel(bar);
    picture->setObjectName(QStringLiteral("StatusPicture"));
    picture->setSource(QStringLiteral(":/icons/statusbar.svg"));
    picture->setFixedSize(pictureSide, pictureSide);
    picture->setAccessibleName(name);
    bar->addPermanentWidget(picture);
}
