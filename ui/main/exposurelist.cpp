#include "ui/main/exposurelist.h"

#include "engine/texts/durabilitytexts.h"
#include "engine/texts/exposurewords.h"
#include "ui/common/utf8text.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QStyledItemDelegate>

namespace {

constexpr int kExposureRole = Qt::UserRole;
constexpr int kChoiceRole = Qt::UserRole + 1;

// The open list reads each class in full.
class ChoiceDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->text = index.data(kChoiceRole).toString();
    }
};

QString shortText(const mix::ExposureRule& rule)
{
    return fromUtf8(rule.code) + QStringLiteral(" (") + fromUtf8(mix::standardName(rule.standard)) + QLatin1Char(')');
}

} // namespace

void fillExposureList(QComboBox* list, QLabel* prompt)
{
    const QString name = fromUtf8(mix::exposurewords::kExposurePrompt);
    prompt->setText(name);
    list->setAccessibleName(name);
    const auto add = [list](const QString& text, mix::Exposure exposure) {
        const QString choice = fromUtf8(mix::exposureChoiceText(exposure));
        list->addItem(text, static_cast<int>(exposure));
        const int at = list->count() - 1;
        list->setItemData(at, choice, kChoiceRole);
        list->setItemData(at, choice, Qt::ToolTipRole);
        list->setItemData(at, choice, Qt::AccessibleTextRole);
    };
    add(fromUtf8(mix::exposurewords::kNone), mix::Exposure::None);
    for (const mix::ExposureRule& rule : mix::kExposureTable)
        add(shortText(rule), rule.exposure);
    list->setItemDelegate(new ChoiceDelegate(list));
    list->view()->setMinimumWidth(list->view()->sizeHintForColumn(0) + 2 * list->view()->frameWidth() + 24);
    list->setCurrentIndex(0);
    const auto describe = [list] { list->setAccessibleDescription(list->currentData(kChoiceRole).toString()); };
    QObject::connect(list, &QComboBox::currentIndexChanged, list, describe);
    describe();
}

mix::Exposure chosenExposure(const QComboBox* list)
{
    return static_cast<mix::Exposure>(list->currentData(kExposureRole).toInt());
}
