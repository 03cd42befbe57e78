#include "statement/CashField.h"

#include "statement/Tags.h"
#include "text/Errors.h"
#include "text/Format.h"
#include "text/Numbers.h"

#include <limits>

std::optional<std::int64_t> CountOf(std::string_view text) {
    return TextToInt(text);
}

Money DenominationSum(std::string_view count, const TDenomination& denomination) {
    const std::int64_t n = CountOf(count).value_or(0);
    Money product = 0;
    if (__builtin_mul_overflow(n, denomination.Value, &product)) {
        throw EConvertError(Format("Слишком большое количество: %s", {count}));
    }
    return product;
}

Money CashTotal(const std::array<std::string, kDenominationCount>& counts) {
    Money total = 0;
    for (std::size_t i = 0; i < kDenominationCount; ++i) {
        if (__builtin_add_overflow(total, DenominationSum(counts[i], Denominations()[i]), &total)) {
            throw EConvertError("Слишком большая сумма");
        }
    }
    return total;
}

std::string EncodeCash(const TStatement& statement) {
    std::string cash;
    for (std::size_t i = 0; i < kDenominationCount; ++i) {
        cash += '<';
        cash += Denominations()[i].Code;
        cash += '>';
        cash += Format("%d", {static_cast<long long>(CountOf(statement.Counts[i]).value_or(0))});
    }
    cash += Format("<SI>%d", {statement.CurrentSource});
    for (std::size_t k = 0; k < statement.Sources.size(); ++k) {
        const auto amount = TextToMoney(statement.Sources[k].Amount);
        if (amount && *amount > 0) {
            cash += Format("<SS%d>", {static_cast<int>(k + 1)});
            cash += MoneyToText(*amount, 2);
        }
    }
    return cash;
}

void DecodeCash(std::string_view cash, TStatement& statement) {
    for (std::size_t i = 0; i < kDenominationCount; ++i) {
        const auto count = TextToInt(GetTagValue(cash, Denominations()[i].Code, {}));
        const bool shown =
            count && *count > 0 && *count <= std::numeric_limits<std::int32_t>::max();
        statement.Counts[i] = shown ? Format("%d", {static_cast<long long>(*count)}) : "";
    }
    const int sources = static_cast<int>(statement.Sources.size());
    for (int n = 1; n <= sources; ++n) {
        const double amount = GetTagFloat(cash, Format("SS%d", {n}), "<>", 0);
        statement.Sources[n - 1].Amount = amount > 0 ? Format("%.2f", {amount}) : "";
    }
    const int current = GetTagInt(cash, "SI", 0);
    statement.CurrentSource = current >= 1 && current <= sources ? current : 1;
}

std::optional<TCashSplit> ReadCashSplit(std::string_view cash, std::size_t sourceCount) {
    // A tag's value never holds "<", so this default tells a missing tag.
    constexpr std::string_view kMissing = "<";
    TCashSplit split;
    for (const TDenomination& denomination : Denominations()) {
        const std::string count = GetTagValue(cash, denomination.Code, kMissing);
        const auto n = CountOf(count);
        Money product = 0;
        if (!n || *n < 0 || __builtin_mul_overflow(*n, denomination.Value, &product) ||
            __builtin_add_overflow(split.Total, product, &split.Total)) {
            return std::nullopt;
        }
    }
    Money booked = 0;
    split.Amounts.assign(sourceCount, 0);
    for (std::size_t n = 1; n <= sourceCount; ++n) {
        const std::string text = GetTagValue(cash, Format("SS%d", {static_cast<int>(n)}), kMissing);
        if (text == kMissing) {
            continue;
        }
        const auto amount = TextToMoney(text);
        if (!amount || *amount < 0 || __builtin_add_overflow(booked, *amount, &booked)) {
            return std::nullopt;
        }
        split.Amounts[n - 1] = *amount;
    }
    if (booked != split.Total) {
        return std::nullopt;
    }
    return split;
}
