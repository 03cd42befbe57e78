// The statement editor's checks of bank details: which pairs of a firm and a
// bank the printed form carries, and what is said of each that fails.
#include "statement/DocumentEditorState.h"

#include "bank/BankChecks.h"
#include "bank/BankDirectory.h"
#include "store/RecordText.h"
#include "store/Store.h"

#include <string_view>

namespace {

// The firm or bank as a line names it: `Банк-получатель "Банк А"`.
std::string Owner(std::string_view role, const TRecordFields& record) {
    return std::string(role) + " \"" + record["Name"] + "\"";
}

// Adds the line when a filled field fails.
void AddFault(std::vector<TDetailFault>& faults, TEditorList list, const std::string& owner,
              std::string_view caption, const std::string& value, TDetailCheck check,
              const std::string& fault) {
    if (!value.empty() && check != TDetailCheck::Passed) {
        faults.push_back({owner + ", " + FaultLine(caption, value, fault), list});
    }
}

void AddBankFaults(std::vector<TDetailFault>& faults, TEditorList list, std::string_view role,
                   const TRecordFields& bank, const TBankDirectory* directory) {
    const std::string owner = Owner(role, bank);
    const std::string bik = bank["BIK"];
    const TDetailCheck bikCheck = CheckBIK(bik);
    AddFault(faults, list, owner, "БИК", bik, bikCheck, BIKFaultText(bikCheck));
    const std::string debit = bank["DebitAccount"];
    const TDetailCheck debitCheck = CheckAccount(debit, bik);
    AddFault(faults, list, owner, "№ счета (дебет)", debit, debitCheck,
             AccountFaultText(debitCheck, bik));
    if (directory == nullptr || bikCheck != TDetailCheck::Passed) {
        return;
    }
    if (const TDirectoryBank* entry = directory->Find(DigitsOf(bik))) {
        if (const std::string state = BankStateText(*entry); !state.empty()) {
            faults.push_back({owner + ", " + FaultLine("БИК", bik, state), list});
        }
    }
}

} // namespace

std::vector<TDetailFault>
TDocumentEditorState::BankDetailFaults(const TBankDirectory* directory) const {
    std::vector<TDetailFault> faults;
    const TRecordFields toFirm(store_.Firms(), statement_.ToFirm);
    const TRecordFields toBank(store_.Banks(), statement_.ToBank);
    const std::string owner = Owner("Организация-получатель", toFirm);
    const std::string bik = toBank["BIK"];
    const std::string inn = toFirm["INN"];
    const TDetailCheck innCheck = CheckINN(inn);
    AddFault(faults, TEditorList::ToFirm, owner, "ИНН", inn, innCheck, INNFaultText(innCheck));
    for (const auto& [field, caption] : {std::pair{"Account", "№ расчетн. счета"},
                                         std::pair{"CreditAccount", "№ счета (кредит)"}}) {
        const std::string account = toFirm[field];
        const TDetailCheck check = CheckAccount(account, bik);
        AddFault(faults, TEditorList::ToFirm, owner, caption, account, check,
                 AccountFaultText(check, bik));
    }
    AddBankFaults(faults, TEditorList::FromBank, "Банк-вноситель",
                  TRecordFields(store_.Banks(), statement_.FromBank), directory);
    // One bank chosen in both lists is named once.
    if (statement_.ToBank != statement_.FromBank) {
        AddBankFaults(faults, TEditorList::ToBank, "Банк-получатель", toBank, directory);
    }
    return faults;
}
