#include "ui/main/pourpage.h"

#include "ui/main/numberkeyfilter.h"
#include "ui_pourpage.h"

#include "engine/calculate.h"
#include "engine/numbers.h"
#include "engine/texts/pourtexts.h"
#include "ui/common/utf8text.h"

namespace {

QString shortest(double x) { return fromUtf8(mix::formatDouble(x)); }

std::string utf8(const QLineEdit* edit) { return edit->text().toStdString(); }

} // namespace

PourPage::PourPage(QWidget* parent) : QWidget(parent), m_ui(std::make_unique<Ui::PourPage>())
{
    m_ui->setupUi(this);
    m_entries = {{mix::PourField::Volume, m_ui->volumeField, m_ui->volumeMessage},
                 {mix::PourField::Waste, m_ui->wasteField, m_ui->wasteMessage},
                 {mix::PourField::BagKg, m_ui->bagKgField, m_ui->bagKgMessage},
                 {mix::PourField::Basket, m_ui->basketField, m_ui->basketMessage},
                 {mix::PourField::Pail, m_ui->pailField, m_ui->pailMessage},
                 {mix::PourField::BagsPerBatch, m_ui->bagsPerBatchField, m_ui->bagsPerBatchMessage}};

    // The entries start from the per-bag step's own measures, as the engine holds them.
    const mix::PourSettings defaults;
    m_ui->wasteField->setText(shortest(defaults.wastePercent));
    m_ui->bagKgField->setText(shortest(defaults.bagKg));
    m_ui->basketField->setText(shortest(defaults.basketM3));
    m_ui->pailField->setText(shortest(defaults.pailLitres));
    m_ui->bagsPerBatchField->setText(shortest(defaults.bagsPerBatch));

    using F = mix::PriceField;
    m_priceEntries = {{F::Cement, m_ui->cementPriceField, m_ui->cementPriceMessage, m_ui->cementCost},
                      {F::Sand, m_ui->sandPriceField, m_ui->sandPriceMessage, m_ui->sandCost},
                      {F::Stone, m_ui->stonePriceField, m_ui->stonePriceMessage, m_ui->stoneCost},
                      {F::Admixture, m_ui->admixturePriceField, m_ui->admixturePriceMessage, m_ui->admixtureCost},
                      {F::ReadyMix, m_ui->readymixPriceField, m_ui->readymixPriceMessage, m_ui->readymixCost}};

    auto* keys = new NumberKeyFilter(this);
    for (const Entry& entry : m_entries) {
        keys->watch(entry.edit);
        connect(entry.edit, &QLineEdit::textChanged, this, &PourPage::entriesChanged);
    }
    for (const PriceEntry& entry : m_priceEntries) {
        keys->watch(entry.edit);
        connect(entry.edit, &QLineEdit::textChanged, this, &PourPage::pricesChanged);
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
}

PourPage::~PourPage() = default;

void PourPage::setDesign(const mix::DesignNumbers& design)
{
    m_mix = design.final;
    // The figures of the previous design must not stay beside this one, even while an entry is bad.
    clearFigures();
    m_ui->volumeBar->setParts(mix::volumeParts(design.design));
    m_ui->calculateFirstNote->hide();
    m_ui->perBatchFrame->show();
    m_ui->orderList->show();
    m_ui->costRow->show();
    m_ui->volumeBar->show();
    entriesChanged();
}

void PourPage::entriesChanged()
{
    const mix::PourEntries typed{utf8(m_ui->volumeField), utf8(m_ui->wasteField), utf8(m_ui->bagKgField),
                                 utf8(m_ui->basketField), utf8(m_ui->pailField),  utf8(m_ui->bagsPerBatchField)};
    const mix::PourReading reading = mix::readPourEntries(typed);
    for (const Entry& entry : m_entries)
        entry.message->clear();
    for (const auto& error : reading.errors)
        showMessage(error.field, fromUtf8(error.message));
    if (!m_mix || !reading.errors.empty())
        return;
    if (!reading.settings) {
        clearFigures();
        return;
    }
    const auto plan = mix::planPour(*m_mix, *reading.settings);
    if (const auto* error = std::get_if<mix::PourFieldError>(&plan)) {
        showMessage(error->field, fromUtf8(error->message));
        return;
    }
    m_plan = std::get<mix::PourPlan>(plan);
    writeFigures(*m_plan);
    writeCost();
}

void PourPage::pricesChanged()
{
    const auto utf8Of = [this](mix::PriceField field) {
        for (const PriceEntry& entry : m_priceEntries)
            if (entry.field == field)
                return utf8(entry.edit);
        return std::string();
    };
    using F = mix::PriceField;
    const mix::PriceReading reading = mix::readPriceEntries(
        {utf8Of(F::Cement), utf8Of(F::Sand), utf8Of(F::Stone), utf8Of(F::Admixture), utf8Of(F::ReadyMix)});
    for (const PriceEntry& entry : m_priceEntries) {
        entry.message->clear();
        entry.cost->show();
    }
    for (const auto& error : reading.errors)
        showPriceMessage(error.field, fromUtf8(error.message));
    if (!reading.errors.empty())
        return;
    m_prices = reading.prices;
    if (m_plan)
        writeCost();
}

void PourPage::clearCost()
{
    m_shownPrices.reset();
    m_ui->costSummary->clear();
    for (const PriceEntry& entry : m_priceEntries)
        entry.cost->clear();
}

void PourPage::writeCost()
{
    clearCost();
    if (!m_plan || !m_prices.any())
        return;
    const auto cost = mix::costPour(*m_plan, m_prices);
    if (const auto* error = std::get_if<mix::PriceFieldError>(&cost)) {
        showPriceMessage(error->field, fromUtf8(error->message));
        return;
    }
    const mix::PourCost& figures = std::get<mix::PourCost>(cost);
    const std::pair<QLabel*, const std::optional<double>*> parts[] = {{m_ui->cementCost, &figures.cement},
                                                                      {m_ui->sandCost, &figures.sand},
                                                                      {m_ui->stoneCost, &figures.stone},
                                                                      {m_ui->admixtureCost, &figures.admixture},
                                                                      {m_ui->readymixCost, &figures.readymix}};
    for (const auto& [label, part] : parts)
        label->setText(fromUtf8(mix::bahtText(*part)));
    const mix::PourCostText text = mix::pourCostText(*m_plan, m_prices, figures);
    QStringList lines;
    for (const auto& line : text.summary)
        lines << fromUtf8(line);
    lines << fromUtf8(text.note);
    m_ui->costSummary->setText(lines.join(QLatin1Char('\n')));
    m_shownPrices = m_prices;
}

void PourPage::writeFigures(const mix::PourPlan& plan)
{
    const mix::ResultTexts texts = mix::pourPlanTexts(plan);
    for (const auto& [name, text] : texts.items())
        if (QLabel* label = m_figures.value(fromUtf8(name)))
            label->setText(fromUtf8(text));
}

void PourPage::clearFigures()
{
    m_plan.reset();
    clearCost();
    for (QLabel* label : m_figures)
        label->clear();
}

void PourPage::showMessage(mix::PourField field, const QString& message)
{
    for (const Entry& entry : m_entries)
        if (entry.field == field)
            entry.message->setText(message);
}

void PourPage::showPriceMessage(mix::PriceField field, const QString& message)
{
    for (const PriceEntry& entry : m_priceEntries)
        if (entry.field == field) {
            entry.message->setText(message);
            entry.cost->hide();
        }
}
