#include "engine/picklists.h"

#include "engine/texts/choicewords.h"

namespace mix {

const std::array<std::string_view, 3>& slumpItems()
{
    static constexpr std::array<std::string_view, 3> items{choicewords::kSlump75, choicewords::kSlump100,
                                                           choicewords::kSlump125};
    return items;
}

const std::array<std::string_view, 2>& stoneItems()
{
    static constexpr std::array<std::string_view, 2> items{choicewords::kStone1, choicewords::kStone2};
    return items;
}

std::optional<Slump> slumpFromItem(std::string_view item)
{
    constexpr std::array<Slump, 3> classes{Slump::S7_5, Slump::S10_0, Slump::S12_5};
    for (size_t i = 0; i < classes.size(); ++i)
        if (slumpItems()[i] == item)
            return classes[i];
    return std::nullopt;
}

std::optional<Stone> stoneFromItem(std::string_view item)
{
    if (item == choicewords::kStone1)
        return Stone::No1;
    if (item == choicewords::kStone2)
        return Stone::No2;
    return std::nullopt;
}

} // namespace mix
