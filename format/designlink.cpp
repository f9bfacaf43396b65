#include "format/designlink.h"

#include "format/inputnames.h"
#include "format/numbertext.h"

namespace format {
namespace {

// What encodeURIComponent leaves as it is.
bool unreserved(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
           std::string_view("-_.!~*'()").find(static_cast<char>(c)) != std::string_view::npos;
}

class Fragment {
public:
    explicit Fragment(std::string& out) : m_out(out) {}

    Fragment& add(std::string_view key, std::string_view value)
    {
        if (value.empty())
            return *this;
        m_out += m_first ? '#' : '&';
        m_first = false;
        m_out += key;
        m_out += '=';
        static constexpr char kHex[] = "0123456789ABCDEF";
        for (const char ch : value) {
            const auto c = static_cast<unsigned char>(ch);
            if (unreserved(c)) {
                m_out += ch;
            } else {
                m_out += '%';
                m_out += kHex[c >> 4];
                m_out += kHex[c & 15];
            }
        }
        return *this;
    }

private:
    std::string& m_out;
    bool m_first = true;
};

} // namespace

std::string designLink(std::string_view address, const mix::Design& design)
{
    const mix::MixInputs& inputs = design.inputs();
    const mix::PourSettings* pour = design.plan ? &design.plan->settings : nullptr;
    if (address.empty())
        return {};
    std::string link(address);
    // The batch columns' own spelling: 10, as a spreadsheet writes 10.0 back.
    std::string_view slump = slumpName(inputs);
    if (slump == "10.0")
        slump = "10";
    Fragment f(link);
    f.add("strength", inputs.strengthText).add("specimen", specimenName(inputs)).add("slump", slump);
    f.add("stone", stoneName(inputs)).add("admixture", admixtureName(inputs));
    if (inputs.admixtureChecked)
        f.add("dose", inputs.doseText);
    f.add("moisture", inputs.moistureText);
    if (const mix::ExposureRule* rule = mix::exposureRule(design.entries.exposure))
        f.add("exposure", rule->code);
    if (pour && pour->volume > 0) {
        using mix::Entry;
        const auto key = [](Entry entry) { return mix::entryRow(entry).key; };
        f.add(key(Entry::Volume), numberText(pour->volume)).add(key(Entry::Waste), numberText(pour->wastePercent));
        f.add(key(Entry::BagKg), numberText(pour->bagKg)).add(key(Entry::Basket), numberText(pour->basketM3));
        f.add(key(Entry::Pail), numberText(pour->pailLitres));
        f.add(key(Entry::BagsPerBatch), std::to_string(pour->bagsPerBatch));
    }
    return link;
}

} // namespace format
