#pragma once
// The cash field of a statement record: the count of every denomination, the
// current earn source and the amounts booked to the sources, as
//   <5000>1<2000>0...<001>0<SI>1<SS1>5301,00
// and the exact total of the counts.
#include "statement/Statement.h"
#include "text/Money.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The count a text holds, when it is an integer.
std::optional<std::int64_t> CountOf(std::string_view text);

// count x value of one denomination; a text that is no integer counts 0.
// Raises EConvertError when the product leaves the money range.
Money DenominationSum(std::string_view count, const TDenomination& denomination);

// The sum of count x value over the denominations, added in fixed point.
Money CashTotal(const std::array<std::string, kDenominationCount>& counts);

// The cash field of the statement's counts, current source and amounts.
std::string EncodeCash(const TStatement& statement);

// A cash field read whole: the total of its counts and the amount booked to
// each earn source (Amounts[n - 1] for source n).
struct TCashSplit {
    Money Total = 0;
    std::vector<Money> Amounts;
};

// The split of a cash field over `sourceCount` earn sources, when every part
// of it can be read; nothing when a count is missing or is no whole number
// from 0, the total leaves the money range, an amount is no amount from 0,
// or the amounts of the listed sources do not add up to the total (so an
// amount booked to a source no longer listed makes the field unreadable).
std::optional<TCashSplit> ReadCashSplit(std::string_view cash, std::size_t sourceCount);

// Reads a cash field of any content into the counts (empty for none),
// the amounts of the statement's sources and the current source.
void DecodeCash(std::string_view cash, TStatement& statement);
