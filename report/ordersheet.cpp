#include "report/ordersheet.h"

#include "engine/numbers.h"
#include "engine/pourtexts.h"
#include "engine/pourwords.h"
#include "engine/thaitexts.h"
#include "report/utf8text.h"

namespace report {

namespace {

constexpr int kTitleX = 4300;
constexpr int kTitleY = 800;
constexpr int kLeft = 1200;
constexpr int kFirstY = 1400;
constexpr int kStep = 350;
constexpr int kSectionGap = 250;

QString number(double x) { return fromUtf8(mix::formatDouble(x)); }

} // namespace

Sheet orderSheetLines(const mix::PourPlan& plan)
{
    using namespace mix::pourtext;
    using mix::text::kAbout;
    const mix::ResultTexts figures = mix::pourPlanTexts(plan);
    const auto f = [&figures](const char* name) { return fromUtf8(figures.at(name)); };
    const auto u = [](std::string_view text) { return fromUtf8(text); };
    const QString is = QStringLiteral(" = ");
    const QString gap = QStringLiteral("  ");
    const QString order = gap + u(kOrderHeader) + QStringLiteral(" ");
    const QString about = u(kAbout);

    Sheet sheet{{u(kSheetTitle), kTitleX, kTitleY, true}};
    int y = kFirstY;
    const auto add = [&sheet, &y](const QString& text, bool bold = false) {
        sheet.push_back({text, kLeft, y, bold});
        y += kStep;
    };

    const mix::PourSettings& s = plan.settings;
    add(u(kVolumePrompt) + is + number(s.volume));
    add(u(kWastePrompt) + is + number(s.wastePercent));
    add(u(kBagPrompt) + is + number(s.bagKg));
    add(u(kBasketPrompt) + is + number(s.basketM3));
    add(u(kPailPrompt) + is + number(s.pailLitres));
    add(u(kBagsPerBatchPrompt) + is + number(s.bagsPerBatch));

    y += kSectionGap;
    add(QStringLiteral("*** ") + u(kTotalHeader) + QStringLiteral(" ***"), true);
    add(u(kCement) + is + f("cementTotal") + order + f("cementBags"));
    add(u(kSand) + is + f("sandTotal") + gap + f("sandVolume") + order + f("sandOrder") + about + f("sandBaskets"));
    add(u(kStone) + is + f("stoneTotal") + gap + f("stoneVolume") + order + f("stoneOrder") + about +
        f("stoneBaskets"));
    add(u(kWater) + is + f("waterTotal") + about + f("waterPails"));
    add(plan.admixtureUsed ? u(kAdmixture) + is + f("admixtureTotal") : f("admixtureTotal"));
    add(u(kBatchesRow) + is + f("batchesTotal"));

    y += kSectionGap;
    add(QStringLiteral("*** ") + u(kPerBatchHeader) + QStringLiteral(" ***"), true);
    add(u(kCement) + is + f("cementPerBatch"));
    add(u(kWater) + is + f("waterPerBatch") + about + f("waterPerBatchPails"));
    add(u(kSand) + is + f("sandPerBatch") + about + f("sandPerBatchBaskets"));
    add(u(kStone) + is + f("stonePerBatch") + about + f("stonePerBatchBaskets"));
    if (plan.admixtureUsed)
        add(u(kAdmixture) + is + f("admixturePerBatch"));
    return sheet;
}

} // namespace report
