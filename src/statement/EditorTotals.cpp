#include "statement/EditorTotals.h"

#include "statement/CashField.h"
#include "text/Errors.h"

#include <limits>

TCashWalk WalkCounts(const std::array<std::string, kDenominationCount>& counts) {
    TCashWalk walk;
    for (std::size_t i = 0; i < kDenominationCount; ++i) {
        if (counts[i].empty()) {
            continue;
        }
        const auto count = CountOf(counts[i]);
        if (!count || *count < 0 || *count > kMaxCount) {
            walk.ErrorRow = static_cast<int>(i + 1);
            return walk;
        }
        // At most 15 x 9999 x 5000 roubles: far inside the money range.
        walk.Total += DenominationSum(counts[i], Denominations()[i]);
    }
    return walk;
}

TEditorLabel CashLabelOf(const TCashWalk& walk) {
    if (walk.ErrorRow > 0) {
        return {"Ошибка в " + std::string(Denominations()[walk.ErrorRow - 1].Label), false};
    }
    return {MoneyToText(walk.Total, 2, true) + " руб.", true};
}

TEditorLabel SourceLabelOf(Money amounts, Money cash) {
    if (amounts != cash) {
        return {MoneyToText(amounts, 2, true) + " р. (разн. " +
                    MoneyToText(AddAmounts(cash, -amounts), 2, true) + " р.)",
                false};
    }
    return {MoneyToText(amounts, 2, true) + " р.", true};
}

std::optional<Money> BalanceTotal(const std::array<std::string, kDenominationCount>& counts) {
    try {
        return CashTotal(counts);
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

Money AddAmounts(Money a, Money b) {
    Money sum = 0;
    if (__builtin_add_overflow(a, b, &sum)) {
        constexpr Money kEnd = std::numeric_limits<Money>::max();
        return b > 0 ? kEnd : -kEnd; // symmetric, so a saturated sum can be negated
    }
    return sum;
}
