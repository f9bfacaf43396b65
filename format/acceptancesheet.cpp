#include "format/acceptancesheet.h"

#include "engine/texts/acceptancetexts.h"
#include "engine/texts/acceptancewords.h"

namespace format {
namespace {

constexpr int kTitleX = 3600;
constexpr int kTitleY = 800;
constexpr int kLeft = 1000;
constexpr int kStep = 300;
constexpr int kGap = 150;
constexpr int kListStep = 280;
constexpr int kColumnWidth = 5000;
constexpr int kLastY = 15250; // the signature's lines below
constexpr int kSignatureX = 4600;
constexpr int kSignatureY = 15800;

} // namespace

std::vector<SheetLines> acceptanceSheets(const mix::Acceptance& a, std::string_view date)
{
    using namespace mix::acceptancewords;
    const mix::AcceptanceText t = mix::acceptanceText(a);
    SheetLines first{{t.title, kTitleX, kTitleY, true},
                     {std::string(kDate).append(date), kLeft, 1300, false},
                     {t.specified, kLeft, 1600, false},
                     {t.statistics, kLeft, 1900, false}};
    int y = kAcceptanceChart.y + kAcceptanceChart.height + kGap;
    const auto add = [&](const std::string& text, bool bold, int indent = 0) {
        first.push_back({text, kLeft + indent, y, bold});
        y += kStep;
    };
    add(t.aciHeading, true);
    for (const auto& line : t.aci)
        add(line, false, 200);
    add(t.enHeading, true);
    for (const auto& line : t.en)
        add(line, false, 200);
    y += kGap;
    add(t.required, false);
    add(t.requiredBasis, false, 200);
    for (const auto& line : t.marginAdvice)
        add(line, true);
    y += kGap;
    add(t.testsHeading, true);

    // The tests, then the rows of other ages, down two columns and on to more sheets.
    std::vector<std::pair<std::string, bool>> list;
    for (const auto& line : t.tests)
        list.emplace_back(line, false);
    if (!t.otherAgesHeading.empty()) {
        list.emplace_back(t.otherAgesHeading, true);
        for (const auto& line : t.otherAges)
            list.emplace_back(line, false);
    }
    std::vector<SheetLines> sheets{std::move(first)};
    int top = y;
    int column = 0;
    for (const auto& [text, bold] : list) {
        if (y > kLastY) {
            y = top;
            if (++column == 2) {
                column = 0;
                sheets.emplace_back();
                y = top = kTitleY;
            }
        }
        sheets.back().push_back({text, kLeft + column * kColumnWidth, y, bold});
        y += kListStep;
    }
    sheets.front().push_back({std::string(kSignature), kSignatureX, kSignatureY, false});
    sheets.front().push_back({std::string(kSignatureName), kSignatureX, kSignatureY + 350, false});
    return sheets;
}

std::string acceptanceTitle(const mix::Acceptance& a)
{
    const mix::AcceptanceText t = mix::acceptanceText(a);
    // The specified strength and specimen after the heading, each run of blanks one, as the
    // report's title is.
    std::string title = t.title;
    for (const char c : " " + t.specified.substr(mix::acceptancewords::kSpecified.size()))
        if (c != ' ' || title.back() != ' ')
            title += c;
    return title;
}

std::string acceptanceTextReport(const mix::Acceptance& a)
{
    const mix::AcceptanceText t = mix::acceptanceText(a);
    std::string out = t.title + "\n" + t.specified + "\n" + t.statistics + "\n\n" + t.aciHeading + "\n";
    const auto section = [&out](const std::vector<std::string>& lines) {
        for (const auto& line : lines)
            out.append("  ").append(line).append("\n");
    };
    section(t.aci);
    out.append(t.enHeading).append("\n");
    section(t.en);
    out.append("\n").append(t.required).append("\n");
    section({t.requiredBasis});
    for (const auto& line : t.marginAdvice)
        out.append(line).append("\n");
    out.append("\n").append(t.testsHeading).append("\n");
    section(t.tests);
    if (!t.otherAgesHeading.empty()) {
        out.append("\n").append(t.otherAgesHeading).append("\n");
        section(t.otherAges);
    }
    return out;
}

} // namespace format
