// The checks of BIK, account and INN on the worked examples of the rules,
// their one-digit mutations, and what each failure says.
#include "bank/BankChecks.h"

#include <gtest/gtest.h>

namespace {

// Every number that differs from `number` in one digit.
std::vector<std::string> Mutations(const std::string& number) {
    std::vector<std::string> mutated;
    for (std::size_t i = 0; i < number.size(); ++i) {
        for (char d = '0'; d <= '9'; ++d) {
            if (d != number[i]) {
                std::string changed = number;
                changed[i] = d;
                mutated.push_back(changed);
            }
        }
    }
    return mutated;
}

struct TAccountExample {
    const char* BIK;
    const char* Account;
};

constexpr TAccountExample kAccounts[] = {
    {"044525746", "40602810700000000025"}, // kept at the credit organisation "746"
    {"044525225", "30101810400000000225"}, // correspondent accounts: "0" and digits 5-6
    {"044525974", "30101810145250000974"},
};

} // namespace

TEST(AccountCheck, WorkedExamplesPassAndEveryOneDigitChangeFails) {
    for (const auto& [bik, account] : kAccounts) {
        EXPECT_EQ(CheckAccount(account, bik), TDetailCheck::Passed) << account;
        for (const std::string& mutated : Mutations(account)) {
            // An account that becomes or stops being a correspondent one
            // takes another prefix: that change may pass.
            if ((mutated.substr(0, 3) == "301") != (std::string(account).substr(0, 3) == "301")) {
                continue;
            }
            EXPECT_EQ(CheckAccount(mutated, bik), TDetailCheck::WrongControl) << mutated;
        }
    }
}

TEST(AccountCheck, ThePrefixComesFromTheBIKByWhereTheAccountIsKept) {
    EXPECT_EQ(AccountKeyPrefix("044525746", "40602810700000000025"), "746");
    EXPECT_EQ(AccountKeyPrefix("044525746", "30101810700000000025"), "025");
    for (const char* office : {"000", "001", "002"}) {
        EXPECT_EQ(AccountKeyPrefix(std::string("044583") + office, "40102810945370000003"), "083");
    }
    // The same digits pass against one bank and fail against another.
    EXPECT_EQ(CheckAccount("40602810700000000025", "044525747"), TDetailCheck::WrongControl);
}

TEST(AccountCheck, BlanksAreIgnoredAndTheKeyIsLeftWhenTheBIKIsNotValid) {
    EXPECT_EQ(CheckAccount("3010 1810 4000 0000 0225", "044525225"), TDetailCheck::Passed);
    EXPECT_EQ(CheckAccount("30101810400000000226", ""), TDetailCheck::Passed);
    EXPECT_EQ(CheckAccount("30101810400000000226", "04452522"), TDetailCheck::Passed);
    EXPECT_EQ(CheckAccount("3010181040000000022", "044525225"), TDetailCheck::WrongLength);
    EXPECT_EQ(CheckAccount("301018104000000002251", "044525225"), TDetailCheck::WrongLength);
    EXPECT_EQ(CheckAccount("3010181040000000022-", "044525225"), TDetailCheck::NotDigits);
}

TEST(BIKCheck, NineDigitsAndNothingElse) {
    EXPECT_EQ(CheckBIK("044525225"), TDetailCheck::Passed);
    EXPECT_EQ(CheckBIK("04452522"), TDetailCheck::WrongLength);
    EXPECT_EQ(CheckBIK("0445252250"), TDetailCheck::WrongLength);
    EXPECT_EQ(CheckBIK("04452522A"), TDetailCheck::NotDigits);
}

TEST(INNCheck, BothLengthsWithTheirCheckDigits) {
    for (const char* inn : {"7725088527", "7707083893", "773370857141"}) {
        EXPECT_EQ(CheckINN(inn), TDetailCheck::Passed) << inn;
        const std::string digits = inn;
        // A check digit changed always fails.
        for (std::size_t last = digits.size() == 10 ? 9 : 10; last < digits.size(); ++last) {
            for (char d = '0'; d <= '9'; ++d) {
                std::string changed = digits;
                changed[last] = d;
                EXPECT_EQ(CheckINN(changed),
                          d == digits[last] ? TDetailCheck::Passed : TDetailCheck::WrongControl)
                    << changed;
            }
        }
    }
    EXPECT_EQ(CheckINN("7701000022"), TDetailCheck::WrongControl);
    EXPECT_EQ(CheckINN("7707 083893"), TDetailCheck::Passed);
    EXPECT_EQ(CheckINN("77070838931"), TDetailCheck::WrongLength);
    EXPECT_EQ(CheckINN("770708389"), TDetailCheck::WrongLength);
    EXPECT_EQ(CheckINN("77070838x3"), TDetailCheck::NotDigits);
}

TEST(INNCheck, MostOneDigitChangesFail) {
    // The digits mod 11 mod 10 cannot tell every change: a few pass.
    for (const char* inn : {"7725088527", "773370857141"}) {
        const std::vector<std::string> mutated = Mutations(inn);
        const auto passing =
            std::count_if(mutated.begin(), mutated.end(),
                          [](const std::string& m) { return CheckINN(m) == TDetailCheck::Passed; });
        EXPECT_LT(passing * 10, static_cast<long>(mutated.size())) << inn;
    }
}

TEST(FaultTexts, SayWhichRuleFailed) {
    EXPECT_EQ(FaultLine("ИНН", "7701000022", INNFaultText(CheckINN("7701000022"))),
              "ИНН 7701000022: неверное контрольное число");
    EXPECT_EQ(INNFaultText(TDetailCheck::WrongLength), "должен состоять из 10 или 12 цифр");
    EXPECT_EQ(BIKFaultText(TDetailCheck::WrongLength), "должен состоять из 9 цифр");
    EXPECT_EQ(BIKFaultText(TDetailCheck::NotDigits), "должен состоять только из цифр");
    EXPECT_EQ(AccountFaultText(TDetailCheck::WrongControl, "044525225"),
              "неверный контрольный ключ (БИК 044525225)");
    EXPECT_EQ(AccountFaultText(TDetailCheck::WrongLength, ""), "должен состоять из 20 цифр");
    const std::string lines[] = {"ИНН 1: должен состоять из 10 или 12 цифр", "БИК 2: x"};
    EXPECT_EQ(DetailsQuestion(lines), "Реквизиты не прошли проверку:\n\nИНН 1: должен состоять из "
                                      "10 или 12 цифр\nБИК 2: x\n\nПродолжить?");
}
