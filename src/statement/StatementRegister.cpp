#include "statement/StatementRegister.h"

#include "statement/CashField.h"
#include "statement/EarnSources.h"
#include "store/FieldValue.h"
#include "store/RecordText.h"
#include "store/Store.h"
#include "text/Errors.h"
#include "text/Format.h"
#include "text/Numbers.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace {

// The day of a day number: before 30 December 1899 the fraction is still the
// time of day, so the day is the number cut towards zero.
double DayOf(TDateTime value) {
    return std::trunc(value);
}

// The elements of one indexed variable, each ended by CR LF.
class TElements {
public:
    void Add(std::string_view value) {
        for (const char c : value) {
            text_ += c == '\r' || c == '\n' ? ' ' : c;
        }
        text_ += "\r\n";
    }
    std::string Take() { return std::move(text_); }

private:
    std::string text_;
};

struct TSymbolSum {
    std::vector<std::string> Names; // of its earn sources, in list order
    Money Sum = 0;
};

// Sums of a register could only leave the money range with amounts beyond
// any bank's; they are refused rather than wrapped.
void Add(Money& sum, Money amount) {
    if (__builtin_add_overflow(sum, amount, &sum)) {
        throw EConvertError("Слишком большая сумма");
    }
}

// Symbols in the order of their numbers; the text decides between equal ones.
struct TSymbolOrder {
    bool operator()(const std::string& a, const std::string& b) const {
        const std::int64_t x = TextToIntDef(a, -1);
        const std::int64_t y = TextToIntDef(b, -1);
        return x != y ? x < y : a < b;
    }
};

std::string Amount(Money amount) {
    return MoneyToText(amount, 2, true);
}

} // namespace

TRegisterQuery DefaultRegisterQuery(TDateTime today) {
    const TDateTimeParts parts = DecodeDateTime(today);
    const TDateTime first = EncodeDateTime(parts.Year, parts.Month, 1).value_or(today);
    // The day before the first of the next month; December ends on the 31st.
    const std::optional<TDateTime> last =
        parts.Month == 12 ? EncodeDateTime(parts.Year, 12, 31)
                          : EncodeDateTime(parts.Year, parts.Month + 1, 1).value_or(today + 1) - 1;
    return {first, last.value_or(today), 0};
}

std::string CheckRegisterPeriod(const TRegisterQuery& query) {
    if (DayOf(query.DateFrom) > DayOf(query.DateTo)) {
        return "Начало периода позже его конца";
    }
    return {};
}

TVariableList BuildRegisterVariables(TStore& store, const TRegisterQuery& query) {
    const std::vector<TEarnSource> sources = BuildEarnSourceList(store.EarnSources());
    TTable& documents = store.Documents();
    const std::vector<TFieldDef>& defs = documents.FieldDefs();
    const int date = documents.FieldIndexOrThrow("Datetime");
    const int bag = documents.FieldIndexOrThrow("BagNumber");
    const int fromFirm = documents.FieldIndexOrThrow("FromFirm");
    const int toFirm = documents.FieldIndexOrThrow("ToFirm");
    const int toBank = documents.FieldIndexOrThrow("ToBank");
    const int cash = documents.FieldIndexOrThrow("Cash");
    const int cashSum = documents.FieldIndexOrThrow("CashSum");
    const TRecordText firmName(&store.Firms(), "Name");
    const TRecordText bankName(&store.Banks(), "Name");

    // The statements of the period, in date order; equal dates keep the
    // table's order.
    const double first = DayOf(query.DateFrom);
    const double last = DayOf(query.DateTo);
    std::vector<std::pair<TDateTime, std::size_t>> listed;
    for (std::size_t r = 0; r < documents.RecordCount(); ++r) {
        const TRowView row = documents.Row(r);
        const TDateTime when = ValueAsFloat(defs[date], row[date]);
        const double day = DayOf(when);
        if (!(day >= first && day <= last)) {
            continue;
        }
        if (query.FirmID != 0 && ValueAsInteger(defs[fromFirm], row[fromFirm]) != query.FirmID) {
            continue;
        }
        listed.emplace_back(when, r);
    }
    std::stable_sort(listed.begin(), listed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });

    TElements rowDate, rowBag, rowFromFirm, rowToFirm, rowToBank, rowSum, rowMark;
    std::map<std::string, TSymbolSum, TSymbolOrder> symbols;
    Money total = 0;
    int unread = 0;
    for (const auto& [when, r] : listed) {
        const TRowView row = documents.Row(r);
        rowDate.Add(FormatDateTime("dd.mm.yyyy", when));
        rowBag.Add(ValueAsString(defs[bag], row[bag]));
        rowFromFirm.Add(firmName(ValueAsInteger(defs[fromFirm], row[fromFirm])));
        rowToFirm.Add(firmName(ValueAsInteger(defs[toFirm], row[toFirm])));
        rowToBank.Add(bankName(ValueAsInteger(defs[toBank], row[toBank])));
        const auto split = ReadCashSplit(ValueAsString(defs[cash], row[cash]), sources.size());
        if (!split) {
            ++unread;
            rowSum.Add(Amount(MoneyFromDouble(ValueAsFloat(defs[cashSum], row[cashSum]))));
            rowMark.Add("*");
            continue;
        }
        rowSum.Add(Amount(split->Total));
        rowMark.Add("");
        Add(total, split->Total);
        for (std::size_t n = 0; n < sources.size(); ++n) {
            if (split->Amounts[n] == 0) {
                continue;
            }
            TSymbolSum& symbol = symbols[sources[n].Symbol];
            if (std::find(symbol.Names.begin(), symbol.Names.end(), sources[n].Name) ==
                symbol.Names.end()) {
                symbol.Names.push_back(sources[n].Name);
            }
            Add(symbol.Sum, split->Amounts[n]);
        }
    }
    TElements symbolCode, symbolName, symbolSum;
    for (const auto& [code, symbol] : symbols) {
        symbolCode.Add(code);
        std::string names;
        for (const std::string& name : symbol.Names) {
            names += (names.empty() ? "" : ", ") + name;
        }
        symbolName.Add(names);
        symbolSum.Add(Amount(symbol.Sum));
    }

    return {
        {"DateFrom", FormatDateTime("dd.mm.yyyy", query.DateFrom)},
        {"DateTo", FormatDateTime("dd.mm.yyyy", query.DateTo)},
        {"Firm", query.FirmID != 0 ? firmName(query.FirmID) : std::string()},
        {"Count", Format("%d", {static_cast<long long>(listed.size())})},
        {"Total", Amount(total)},
        {"Unread", Format("%d", {unread})},
        {"RowDate", rowDate.Take()},
        {"RowBag", rowBag.Take()},
        {"RowFromFirm", rowFromFirm.Take()},
        {"RowToFirm", rowToFirm.Take()},
        {"RowToBank", rowToBank.Take()},
        {"RowSum", rowSum.Take()},
        {"RowMark", rowMark.Take()},
        {"SymbolCode", symbolCode.Take()},
        {"SymbolName", symbolName.Take()},
        {"SymbolSum", symbolSum.Take()},
    };
}
