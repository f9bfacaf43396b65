#include "ui/main/pourpage.h"

#include "ui/main/numberkeyfilter.h"
#include "ui_pourpage.h"

#include "engine/texts/pourtexts.h"
#include "ui/common/contrast.h"
#include "ui/common/utf8text.h"
#include "ui/common/valuelabel.h"

#include <QAccessible>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kFieldHeight = 21;

// A field's message and cost labels are named after it: "wasteField" has "wasteMessage",
// "sandPriceField" has "sandPriceMessage" and "sandCost".
QString relatedName(std::string_view elementId, const char* drop, const char* add)
{
    QString name = fromUtf8(elementId);
    if (name.endsWith(QLatin1String(drop)))
        name.chop(QLatin1String(drop).size());
    return name + QLatin1String(add);
}

bool anyError(const mix::Design& design, bool prices)
{
    return std::any_of(design.entryErrors.begin(), design.entryErrors.end(),
                       [prices](const mix::EntryError& e) { return mix::isPrice(e.entry) == prices; });
}

} // namespace

PourPage::PourPage(QWidget* parent) : QWidget(parent), m_ui(std::make_unique<Ui::PourPage>())
{
    // The planner holds more rows than the fixed window has room for under a roomy style: it
    // scrolls then, rather than squeezing its fields frameless and its rows into each other.
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("pourScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* content = new QWidget;
    m_ui->setupUi(content);
    scroll->setWidget(content);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
    // Keep the viewport's ground the tab's, as the page was before it scrolled.
    scroll->viewport()->setAutoFillBackground(false);
    content->setAutoFillBackground(false);
    // The banner keeps its row while hidden, so nothing moves under the pointer when it comes.
    QSizePolicy banner = m_ui->staleNote->sizePolicy();
    banner.setRetainSizeWhenHidden(true);
    m_ui->staleNote->setSizePolicy(banner);

    auto* keys = new NumberKeyFilter(this);
    for (const mix::EntryRow& row : mix::kEntryTable) {
        Field field{row.entry, findChild<QLineEdit*>(fromUtf8(row.elementId)),
                    findChild<QLabel*>(relatedName(row.elementId, "Field", "Message")), nullptr};
        if (mix::isPrice(row.entry))
            field.cost = findChild<QLabel*>(relatedName(row.elementId, "PriceField", "Cost"));
        if (!field.edit || !field.message || (mix::isPrice(row.entry) && !field.cost)) {
            qWarning("No field, message or cost for the entry %s", row.elementId.data());
            continue;
        }
        // Each entry starts from what an empty one stands for, so the user sees the measure in use.
        field.edit->setText(fromUtf8(row.defaultText));
        // The designed height of a field, which every style frames; some ask for far more.
        field.edit->setFixedHeight(kFieldHeight);
        keys->watch(field.edit);
        connect(field.edit, &QLineEdit::textChanged, this, &PourPage::entriesChanged);
        m_fields.push_back(field);
    }

    // Every label the engine writes a figure into, found by the names the engine uses.
    const mix::ResultTexts names = mix::pourPlanTexts(mix::PourPlan{});
    for (const auto& [name, text] : names.items()) {
        const QString objectName = fromUtf8(name);
        if (auto* label = findChild<QLabel*>(objectName))
            m_figures.insert(objectName, label);
        else
            qWarning("No label %s for a pour figure", qPrintable(objectName));
    }

    m_ui->perBatchFrame->hide();
    m_ui->orderList->hide();
    m_ui->costRow->hide();
    m_ui->volumeBar->hide();
    m_ui->staleNote->hide();
    paintMessages();
}

PourPage::~PourPage() = default;

mix::EntryTexts PourPage::entryTexts() const
{
    mix::EntryTexts texts;
    for (const Field& field : m_fields)
        texts[static_cast<size_t>(field.entry)] = field.edit->text().toStdString();
    return texts;
}

void PourPage::setDesign(const mix::Design& accepted)
{
    m_design = accepted;
    // The figures of the previous design must not stay beside this one, even while an entry is bad.
    for (QLabel* label : m_figures)
        setValueText(label, QString());
    m_ui->volumeBar->setParts(mix::volumeParts(accepted.result->numbers.design));
    m_ui->calculateFirstNote->hide();
    m_ui->perBatchFrame->show();
    m_ui->orderList->show();
    m_ui->costRow->show();
    m_ui->volumeBar->show();
    showDesign(*m_design);
}

void PourPage::entriesChanged()
{
    // Before the first design the entries are still judged, so a message comes as they are typed.
    if (!m_design) {
        showDesign(mix::withPour(mix::Design{}, entryTexts()));
        return;
    }
    m_design = mix::withPour(std::move(*m_design), entryTexts());
    showDesign(*m_design);
}

void PourPage::showDesign(const mix::Design& design)
{
    for (const Field& field : m_fields) {
        const auto error = std::find_if(design.entryErrors.begin(), design.entryErrors.end(),
                                        [&field](const mix::EntryError& e) { return e.entry == field.entry; });
        showMessage(field, error == design.entryErrors.end() ? QString() : fromUtf8(mix::entryErrorMessage(*error)));
    }
    if (!design.result) {
        showStale(false, false, false);
        return;
    }
    // A bad entry leaves what it feeds as it was: the batch needs its own measures, the order
    // every pour entry, the cost every price.
    const bool batchFresh = design.batch.has_value();
    const bool orderFresh = !anyError(design, false);
    const bool costFresh = !anyError(design, true);
    writeFigures(design, batchFresh, orderFresh);
    if (costFresh)
        writeCost(design);
    showStale(!batchFresh, !orderFresh, !costFresh);
}

void PourPage::writeFigures(const mix::Design& design, bool batch, bool order)
{
    // Without a volume the design has no order: its figures are written empty.
    for (QLabel* label : m_figures) {
        const bool batchFigure = m_ui->perBatchFrame->isAncestorOf(label);
        if (batchFigure ? batch : order)
            setValueText(label, fromUtf8(design.pourTexts.at(label->objectName().toStdString())));
    }
}

void PourPage::writeCost(const mix::Design& design)
{
    const mix::PourCost none;
    const mix::PourCost& cost = design.cost ? *design.cost : none;
    const std::pair<mix::Entry, const std::optional<double>*> parts[] = {
        {mix::Entry::PriceCement, &cost.cement},     {mix::Entry::PriceSand, &cost.sand},
        {mix::Entry::PriceStone, &cost.stone},       {mix::Entry::PriceAdmixture, &cost.admixture},
        {mix::Entry::PriceReadymix, &cost.readymix},
    };
    for (const auto& [entry, part] : parts)
        for (const Field& field : m_fields)
            if (field.entry == entry)
                field.cost->setText(fromUtf8(mix::bahtText(*part)));
    QStringList lines;
    for (const auto& line : design.costText.summary)
        lines << fromUtf8(line);
    if (design.cost)
        lines << fromUtf8(design.costText.note);
    m_ui->costSummary->setText(lines.join(QLatin1Char('\n')));
}

void PourPage::showStale(bool batch, bool order, bool cost)
{
    // Disabled labels are drawn greyed, and a screen reader hears them as unavailable.
    m_ui->perBatchFrame->setEnabled(!batch);
    m_ui->orderList->setEnabled(!order);
    m_ui->costSummary->setEnabled(!cost);
    for (const Field& field : m_fields)
        if (field.cost)
            field.cost->setEnabled(!cost);
    m_ui->staleNote->setVisible(batch || order || cost);
}

void PourPage::showMessage(const Field& field, const QString& message)
{
    if (field.cost)
        field.cost->setVisible(message.isEmpty());
    if (field.edit->accessibleDescription() == message)
        return;
    field.message->setText(message);
    // A screen reader hears the message with the entry it belongs to.
    field.edit->setAccessibleDescription(message);
    QAccessibleEvent changed(field.edit, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

void PourPage::paintMessages()
{
    const QColor wanted(192, 0, 0);
    const QColor text = legibleColour(wanted, {palette().color(QPalette::Active, QPalette::Window)});
    for (const Field& field : m_fields) {
        QPalette own = field.message->palette();
        own.setColor(QPalette::WindowText, text);
        field.message->setPalette(own);
    }
}

void PourPage::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        paintMessages();
}
