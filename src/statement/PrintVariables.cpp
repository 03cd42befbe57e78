#include "statement/PrintVariables.h"

#include "statement/CashField.h"
#include "store/RecordText.h"
#include "text/Format.h"
#include "text/Words.h"

TVariableList BuildPrintVariables(const TStatement& statement, const TTable& firms,
                                  const TTable& banks) {
    const Money total = CashTotal(statement.Counts);
    // A field of the record a statement names, found by its ID.
    const auto firm = [&firms](const char* field, std::int64_t id) {
        return TRecordText(&firms, field)(id);
    };
    const auto bank = [&banks](const char* field, std::int64_t id) {
        return TRecordText(&banks, field)(id);
    };

    TVariableList variables = {
        {"Datetime", Format("%f", {statement.Datetime})},
        {"Bag", statement.BagNumber},
        {"Sum", MoneyToText(total, 2)},
        {"TextSum", AmountInWords(total)},
        {"FromFirm", firm("Name", statement.FromFirm)},
        {"ToFirm", firm("Name", statement.ToFirm)},
        {"FromBank", bank("Name", statement.FromBank)},
        {"ToBank", bank("Name", statement.ToBank)},
        {"Field39", statement.Field39},
        {"INN", firm("INN", statement.ToFirm)},
        {"Account", firm("Account", statement.ToFirm)},
        {"Credit", firm("CreditAccount", statement.ToFirm)},
        {"FromBankBIK", bank("BIK", statement.FromBank)},
        {"Debit", bank("DebitAccount", statement.FromBank)},
        {"ToBankBIK", bank("BIK", statement.ToBank)},
    };
    for (std::size_t i = 0; i < kDenominationCount; ++i) {
        const TDenomination& denomination = Denominations()[i];
        const std::string& count = statement.Counts[i];
        variables.emplace_back("N" + std::string(denomination.Code),
                               Format("%d", {static_cast<long long>(CountOf(count).value_or(0))}));
        variables.emplace_back("S" + std::string(denomination.Code),
                               MoneyToText(DenominationSum(count, denomination), 2));
    }
    std::string names;
    int used = 0;
    for (const TSourceRow& source : statement.Sources) {
        const auto amount = TextToMoney(source.Amount);
        if (!amount || *amount <= 0) {
            continue;
        }
        ++used;
        variables.emplace_back(Format("Sym%d", {used}), source.Symbol);
        variables.emplace_back(Format("SrcSum%d", {used}), MoneyToText(*amount, 2, true));
        if (used > 1) {
            names += ", ";
        }
        names += source.Name;
    }
    variables.emplace_back("Source", names);
    return variables;
}
