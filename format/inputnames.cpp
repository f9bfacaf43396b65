#include "format/inputnames.h"

#include "engine/picklists.h"

#include <array>

namespace format {
namespace {

struct ItemName {
    std::string_view name;
    size_t item;
};

// "10" is how a spreadsheet writes 10.0 back; both name the same list item.
constexpr std::array<ItemName, 4> kSlumps{{{"7.5", 0}, {"10.0", 1}, {"10", 1}, {"12.5", 2}}};
constexpr std::array<ItemName, 2> kStones{{{"1", 0}, {"2", 1}}};

template <size_t N, size_t M>
bool setItem(std::string& item, std::string_view name, const std::array<ItemName, N>& names,
             const std::array<std::string_view, M>& items)
{
    if (name.empty()) {
        item.clear();
        return true;
    }
    for (const auto& n : names) {
        if (n.name == name) {
            item = std::string(items[n.item]);
            return true;
        }
    }
    return false;
}

template <size_t N, size_t M>
std::string_view itemName(const std::string& item, const std::array<ItemName, N>& names,
                          const std::array<std::string_view, M>& items)
{
    for (const auto& n : names)
        if (items[n.item] == item)
            return n.name;
    return "";
}

bool setPair(bool& first, bool& second, std::string_view name, std::string_view firstName, std::string_view secondName)
{
    if (!name.empty() && name != firstName && name != secondName)
        return false;
    first = name == firstName;
    second = name == secondName;
    return true;
}

} // namespace

bool setSpecimen(mix::MixInputs& in, std::string_view name)
{
    return setPair(in.cubeChecked, in.cylinderChecked, name, "cube", "cylinder");
}

bool setAdmixture(mix::MixInputs& in, std::string_view name)
{
    return setPair(in.admixtureChecked, in.noAdmixtureChecked, name, "yes", "no");
}

bool setSlump(mix::MixInputs& in, std::string_view name)
{
    return setItem(in.slumpItem, name, kSlumps, mix::slumpItems());
}

bool setStone(mix::MixInputs& in, std::string_view name)
{
    return setItem(in.stoneItem, name, kStones, mix::stoneItems());
}

std::string_view specimenName(const mix::MixInputs& in)
{
    return in.cubeChecked ? "cube" : (in.cylinderChecked ? "cylinder" : "");
}

std::string_view admixtureName(const mix::MixInputs& in)
{
    return in.admixtureChecked ? "yes" : (in.noAdmixtureChecked ? "no" : "");
}

std::string_view slumpName(const mix::MixInputs& in) { return itemName(in.slumpItem, kSlumps, mix::slumpItems()); }

std::string_view stoneName(const mix::MixInputs& in) { return itemName(in.stoneItem, kStones, mix::stoneItems()); }

} // namespace format
