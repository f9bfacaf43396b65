#include "cli/batchpour.h"

#include "cli/printable.h"

namespace cli {

mix::EntryTexts entryTextsOf(const std::vector<std::string>& row, const EntryColumnPlaces& at)
{
    mix::EntryTexts texts;
    for (size_t c = 0; c < mix::kEntryCount; ++c)
        if (at[c])
            texts[c] = row[*at[c]];
    if (texts[size_t(mix::Entry::Volume)].empty())
        for (size_t c = mix::kPourEntryCount; c < mix::kEntryCount; ++c)
            texts[c].clear();
    return texts;
}

std::string entryColumnMessage(const mix::EntryError& error, const mix::EntryTexts& texts)
{
    const mix::EntryRow& row = mix::entryRow(error.entry);
    // A bag size is one of two; saying which is clearer than why the text is not one of them.
    if (error.entry == mix::Entry::BagKg)
        return std::string(row.key) + " must be 50 or 40, not '" + printable(texts[size_t(error.entry)]) + "'";
    return std::string(row.key) + ": " + mix::entryErrorMessage(error);
}

} // namespace cli
