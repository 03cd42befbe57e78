#pragma once
// The directory of banks the program keeps in its working folder, in a
// compact text file of its own ("BIKDirectory.txt", Windows-1251):
//
//   BIKDirectory 1            the format and its version
//   2019-01-17                the day the directory is for
//   BIK<TAB>name<TAB>kind of place<TAB>place<TAB>corr. account<TAB>flags
//   ...                       one line a bank, ordered by BIK; flags: D for
//                             deleted, R for the licence revoked
//
// It is read when first needed, so a start costs nothing; a newer
// directory replaces the file in one step (a temporary file renamed over it).
#include "bank/BankDirectory.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

inline constexpr const char* kKeptDirectoryName = "BIKDirectory.txt";

// The kept file's bytes.
std::string KeptDirectoryBytes(const TBankDirectory& directory);
// The directory of the kept file's bytes; EParseError when they are not one.
TBankDirectory ReadKeptDirectory(std::string_view bytes);

class TKeptBankDirectory {
public:
    // The file kept in `folder`.
    explicit TKeptBankDirectory(const std::filesystem::path& folder);

    const std::filesystem::path& Path() const { return path_; }

    // The kept directory, read at the first call; empty when there is none
    // or the file cannot be read (Failure() then says why).
    const TBankDirectory& Directory();
    // The bank with this BIK in the kept directory, or nullptr.
    const TDirectoryBank* Find(std::string_view bik) { return Directory().Find(bik); }
    // Why the kept file could not be read, if it could not.
    const std::optional<std::string>& Failure() const { return failure_; }

    // Writes the directory to the file, then keeps it. A failed write
    // raises the file's error and leaves the kept one as it was.
    void Replace(TBankDirectory directory);

private:
    std::filesystem::path path_;
    bool read_ = false;
    TBankDirectory directory_;
    std::optional<std::string> failure_;
};
