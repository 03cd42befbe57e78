#pragma once
// A statement as the editor shows it: the texts of its controls and the IDs
// of the firms and banks selected in its lists.
#include "statement/Denominations.h"
#include "text/DateTime.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// One row of the earn-source list with the amount booked to it.
struct TSourceRow {
    std::string Symbol;
    std::string Name;
    std::string Amount; // as typed or shown, decimal comma; empty = none
};

struct TStatement {
    TDateTime Datetime = 0;
    std::string BagNumber;
    // The count of each denomination, in table order, as typed; empty = none.
    std::array<std::string, kDenominationCount> Counts;
    std::vector<TSourceRow> Sources;
    int CurrentSource = 1;                                           // 1-based position in Sources
    std::int64_t FromFirm = 0, ToFirm = 0, FromBank = 0, ToBank = 0; // 0 = none
    std::string Field39;
};
