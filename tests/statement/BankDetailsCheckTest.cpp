// The statement editor's checks of bank details: which pairs are checked,
// in which order the faults come, and the list each one sends the user to.
#include "EditorTestSupport.h"
#include "bank/BankDirectory.h"
#include "statement/DocumentEditorState.h"

#include <gtest/gtest.h>

namespace {

class BankDetailsCheck : public EditorStore {
protected:
    void SetUp() override {
        EditorStore::SetUp();
        payer_ = AddFirm("Плательщик", "1");
        receiver_ = AddFirm("Получатель");
        bankA_ = AddBank("Банк А");
        bankB_ = AddBank("Банк Б");
        editor_.Load(0);
        editor_.Select(TEditorList::FromFirm, payer_);
        editor_.Select(TEditorList::ToFirm, receiver_);
        editor_.Select(TEditorList::FromBank, bankA_);
        editor_.Select(TEditorList::ToBank, bankB_);
    }

    // The faults as "list: line".
    std::vector<std::string> Faults(const TBankDirectory* directory = nullptr) {
        std::vector<std::string> shown;
        for (const TDetailFault& fault : editor_.BankDetailFaults(directory)) {
            shown.push_back(std::to_string(static_cast<int>(fault.List)) + ": " + fault.Line);
        }
        return shown;
    }

    void SetReceiver(const char* inn, const char* account, const char* credit) {
        SetField(store_.Firms(), receiver_, "INN", inn);
        SetField(store_.Firms(), receiver_, "Account", account);
        SetField(store_.Firms(), receiver_, "CreditAccount", credit);
    }
    void SetBank(std::int64_t id, const char* bik, const char* debit) {
        SetField(store_.Banks(), id, "BIK", bik);
        SetField(store_.Banks(), id, "DebitAccount", debit);
    }

    TDocumentEditorState editor_{store_};
};

} // namespace

TEST_F(BankDetailsCheck, EmptyFieldsAndThePayersDetailsAreNeverAtFault) {
    EXPECT_TRUE(Faults().empty()); // the paying firm's INN "1" is not on the form's checks
}

TEST_F(BankDetailsCheck, RightDetailsPass) {
    SetReceiver("7707083893", "40602810700000000025", "4060 2810 7000 0000 0025");
    SetBank(bankA_, "044525225", "30101810400000000225");
    // Correspondent accounts take digits 5-6 of the BIK: the same in both banks.
    SetBank(bankB_, "044525746", "30101810400000000225");
    EXPECT_TRUE(Faults().empty());
}

TEST_F(BankDetailsCheck, EachFaultIsNamedInTheOrderOfTheLists) {
    SetReceiver("7701000022", "40602810700000000026", "4060281070000000002");
    SetBank(bankA_, "04452522", "30101810400000000225");
    SetBank(bankB_, "044525746", "30101810700000000026");
    EXPECT_EQ(Faults(), (std::vector<std::string>{
                            "1: Организация-получатель \"Получатель\", ИНН 7701000022: неверное "
                            "контрольное число",
                            // Kept at the receiving bank: checked against its BIK.
                            "1: Организация-получатель \"Получатель\", № расчетн. счета "
                            "40602810700000000026: неверный контрольный ключ (БИК 044525746)",
                            "1: Организация-получатель \"Получатель\", № счета (кредит) "
                            "4060281070000000002: должен состоять из 20 цифр",
                            // A BIK that is not one: its account is held to its length only.
                            "2: Банк-вноситель \"Банк А\", БИК 04452522: должен состоять из 9 цифр",
                            "3: Банк-получатель \"Банк Б\", № счета (дебет) 30101810700000000026: "
                            "неверный контрольный ключ (БИК 044525746)",
                        }));
}

TEST_F(BankDetailsCheck, OneBankInBothListsIsNamedOnce) {
    SetBank(bankA_, "04452522A", "");
    editor_.Select(TEditorList::ToBank, bankA_);
    EXPECT_EQ(Faults(), (std::vector<std::string>{"2: Банк-вноситель \"Банк А\", БИК 04452522A: "
                                                  "должен состоять только из цифр"}));
}

TEST_F(BankDetailsCheck, ABankTheDirectoryMarksIsNamed) {
    SetBank(bankA_, "044525164", "");
    SetBank(bankB_, "045354870", "30101810800000000870");
    const TBankDirectory directory(
        "2019-01-17",
        {{"044525164", "СТАЛЬ БАНК", "г.", "Москва", "", true, false},
         {"045354870", "АГРОСОЮЗ", "г.", "Оренбург", "30101810800000000870", false, true}});
    EXPECT_EQ(Faults(&directory),
              (std::vector<std::string>{
                  "2: Банк-вноситель \"Банк А\", БИК 044525164: удалён из справочника БИК",
                  "3: Банк-получатель \"Банк Б\", БИК 045354870: отозвана лицензия"}));
    EXPECT_TRUE(Faults().empty());
}
