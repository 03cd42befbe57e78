#pragma once
// The running totals the statement editor shows: the cash total with the
// first count it cannot take, and the sum of the earn-source amounts against
// it. Labels are green when all is well and red otherwise.
#include "statement/Statement.h"
#include "text/Money.h"

#include <optional>
#include <string>

// A count the editor takes: a whole number from 0 to 9999.
inline constexpr std::int64_t kMaxCount = 9999;

struct TCashWalk {
    Money Total = 0;  // of the rows before the first bad count
    int ErrorRow = 0; // 1-based row of the first bad count; 0 when there is none
};

// Walks the counts in table order; an empty count is skipped, one that is not
// a whole number from 0 to kMaxCount stops the walk.
TCashWalk WalkCounts(const std::array<std::string, kDenominationCount>& counts);

struct TEditorLabel {
    std::string Text;
    bool Good = true; // green; red when false

    friend bool operator==(const TEditorLabel&, const TEditorLabel&) = default;
};

// "10 000,00 руб." in green, or "Ошибка в 5000 руб " in red.
TEditorLabel CashLabelOf(const TCashWalk& walk);

// "10 000,00 р." in green when the amounts add up to the cash total, else
// "9 000,00 р. (разн. 1 000,00 р.)" in red.
TEditorLabel SourceLabelOf(Money amounts, Money cash);

// The cash total the sources are balanced against: counts that are no
// numbers count 0. Nothing when the counts leave the money range.
std::optional<Money> BalanceTotal(const std::array<std::string, kDenominationCount>& counts);

// Sums of amounts saturate at the ends of the money range instead of
// wrapping, so a pasted huge amount can only make the split differ.
Money AddAmounts(Money a, Money b);
