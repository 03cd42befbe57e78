#include "statement/PrintVariables.h"

#include "statement/CashField.h"
#include "store/RecordFields.h"
#include "text/Format.h"
#include "text/Words.h"

TVariableList BuildPrintVariables(const TStatement& statement, const TTable& firms,
                                  const TTable& banks) {
    const Money total = CashTotal(statement.Counts);
    const TRecordFields fromFirm(firms, statement.FromFirm);
    const TRecordFields toFirm(firms, statement.ToFirm);
    const TRecordFields fromBank(banks, statement.FromBank);
    const TRecordFields toBank(banks, statement.ToBank);

    TVariableList variables = {
        {"Datetime", Format("%f", {statement.Datetime})},
        {"Bag", statement.BagNumber},
        {"Sum", MoneyToText(total, 2)},
        {"TextSum", AmountInWords(total)},
        {"FromFirm", fromFirm["Name"]},
        {"ToFirm", toFirm["Name"]},
        {"FromBank", fromBank["Name"]},
        {"ToBank", toBank["Name"]},
        {"Field39", statement.Field39},
        {"INN", toFirm["INN"]},
        {"Account", toFirm["Account"]},
        {"Credit", toFirm["CreditAccount"]},
        {"FromBankBIK", fromBank["BIK"]},
        {"Debit", fromBank["DebitAccount"]},
        {"ToBankBIK", toBank["BIK"]},
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
