#pragma once

#include "engine/entries.h"

#include <string>
#include <string_view>

namespace web {

// What the page sends for one Calculate: the design fields by the link's keys and values
// ("strength", "specimen": "cube", "slump": "10", ..., "exposure": "XC3"), the pour entries and prices by the
// entry table's keys, the page's own address, for the link, and the day's date as the page
// prints it on the mixer card.
struct EntryRecord {
    mix::Entries entries;
    std::string address;
    std::string date;
    std::string sheet; // the lab's results sheet, for the results call alone
};

// Reads one JSON object of string members. A name the link does not use for its key leaves
// that choice open, an unknown key is passed over, and a text that is not such an object
// reads as a record with nothing entered.
EntryRecord readEntryRecord(std::string_view json);

} // namespace web
