#include "bank/BankDirectory.h"

#include "text/Format.h"

#include <algorithm>

TBankDirectory::TBankDirectory(std::string date, std::vector<TDirectoryBank> banks)
    : date_(std::move(date)), banks_(std::move(banks)) {
    std::stable_sort(
        banks_.begin(), banks_.end(),
        [](const TDirectoryBank& a, const TDirectoryBank& b) { return a.BIK < b.BIK; });
    banks_.erase(std::unique(banks_.begin(), banks_.end(),
                             [](const TDirectoryBank& a, const TDirectoryBank& b) {
                                 return a.BIK == b.BIK;
                             }),
                 banks_.end());
}

const TDirectoryBank* TBankDirectory::Find(std::string_view bik) const {
    const auto found = std::lower_bound(
        banks_.begin(), banks_.end(), bik,
        [](const TDirectoryBank& bank, std::string_view key) { return bank.BIK < key; });
    return found != banks_.end() && found->BIK == bik ? &*found : nullptr;
}

std::string PlaceText(const TDirectoryBank& bank) {
    if (bank.PlaceKind.empty() || bank.Place.empty()) {
        return bank.PlaceKind + bank.Place;
    }
    return bank.PlaceKind + " " + bank.Place;
}

std::string BankStateText(const TDirectoryBank& bank) {
    if (bank.Deleted) {
        return "удалён из справочника БИК";
    }
    return bank.Revoked ? "отозвана лицензия" : "";
}

std::string DirectoryDateText(std::string_view date) {
    if (date.size() != 10) {
        return std::string(date);
    }
    return std::string(date.substr(8, 2)) + "." + std::string(date.substr(5, 2)) + "." +
           std::string(date.substr(0, 4));
}

std::string BankCountText(std::size_t count) {
    const std::size_t lastTwo = count % 100;
    const std::size_t last = count % 10;
    const char* noun = "банков";
    if (lastTwo < 11 || lastTwo > 14) {
        noun = last == 1 ? "банк" : last >= 2 && last <= 4 ? "банка" : "банков";
    }
    return Format("%d %s", {static_cast<long long>(count), noun});
}

std::string DirectoryReadText(const TBankDirectory& directory) {
    return "Прочитан справочник БИК на " + DirectoryDateText(directory.Date()) + ": " +
           BankCountText(directory.Size()) + ".";
}

std::string OlderDirectoryQuestion(const TBankDirectory& read, const TBankDirectory& kept) {
    return "Справочник БИК в файле составлен на " + DirectoryDateText(read.Date()) +
           ", раньше сохраненного (на " + DirectoryDateText(kept.Date()) +
           ").\nЗаменить сохраненный справочник более старым?";
}
