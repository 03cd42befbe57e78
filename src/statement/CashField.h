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

// The count a text holds, when it is an integer.
std::optional<std::int64_t> CountOf(std::string_view text);

// count x value of one denomination; a text that is no integer counts 0.
// Raises EConvertError when the product leaves the money range.
Money DenominationSum(std::string_view count, const TDenomination& denomination);

// The sum of count x value over the denominations, added in fixed point.
Money CashTotal(const std::array<std::string, kDenominationCount>& counts);

// The cash field of the statement's counts, current source and amounts.
std::string EncodeCash(const TStatement& statement);

// Reads a cash field of any content into the counts (empty for none),
// the amounts of the statement's sources and the current source.
void DecodeCash(std::string_view cash, TStatement& statement);
