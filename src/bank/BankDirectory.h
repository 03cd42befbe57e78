#pragma once
// The Bank of Russia's directory of banks, as much of it as the program
// shows: for each BIK the bank's name, its place, its correspondent account
// and whether it was deleted or lost its licence. Texts are Windows-1251.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

struct TDirectoryBank {
    std::string BIK;         // nine digits
    std::string Name;        // "ПАО СБЕРБАНК"
    std::string PlaceKind;   // "г."
    std::string Place;       // "Москва"
    std::string CorrAccount; // the active correspondent account; empty when none
    bool Deleted = false;    // the participant's status "PSDL"
    bool Revoked = false;    // restricted "LWRS": the licence was revoked

    friend bool operator==(const TDirectoryBank&, const TDirectoryBank&) = default;
};

class TBankDirectory {
public:
    TBankDirectory() = default;
    // The banks in any order; the first of two with one BIK is kept.
    // `date` is the day the directory is for, "yyyy-mm-dd".
    TBankDirectory(std::string date, std::vector<TDirectoryBank> banks);

    const std::string& Date() const { return date_; }
    // The banks, ordered by BIK.
    const std::vector<TDirectoryBank>& Banks() const { return banks_; }
    std::size_t Size() const { return banks_.size(); }
    bool Empty() const { return banks_.empty(); }

    // The bank with this BIK, or nullptr.
    const TDirectoryBank* Find(std::string_view bik) const;

private:
    std::string date_;
    std::vector<TDirectoryBank> banks_;
};

// "г. Москва".
std::string PlaceText(const TDirectoryBank& bank);

// Why a bank should not be used, or empty: "удалён из справочника БИК",
// "отозвана лицензия".
std::string BankStateText(const TDirectoryBank& bank);

// "17.01.2019" of "2019-01-17".
std::string DirectoryDateText(std::string_view date);

// "2496 банков", "1 банк", "3 банка".
std::string BankCountText(std::size_t count);

// The message after a directory was read: "Прочитан справочник БИК на
// 17.01.2019: 2496 банков."
std::string DirectoryReadText(const TBankDirectory& directory);

// The question before an older directory replaces the kept one.
std::string OlderDirectoryQuestion(const TBankDirectory& read, const TBankDirectory& kept);
