// Any bytes as a directory file of banks (a ZIP or an XML document), and as
// the program's kept directory. Reading may refuse them, never crash; what
// was read is written as a kept file that reads back to the same banks.
#include "bank/BankChecks.h"
#include "bank/DirectoryReader.h"
#include "bank/KeptDirectory.h"
#include "text/Errors.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void CheckKeptRoundTrip(const TBankDirectory& directory) {
    const TBankDirectory read = ReadKeptDirectory(KeptDirectoryBytes(directory));
    if (read.Banks() != directory.Banks() || read.Date() != directory.Date()) {
        std::abort();
    }
    for (const TDirectoryBank& bank : directory.Banks()) {
        if (directory.Find(bank.BIK) != &bank || CheckBIK(bank.BIK) != TDetailCheck::Passed) {
            std::abort();
        }
        CheckAccount(bank.CorrAccount, bank.BIK);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        CheckKeptRoundTrip(ReadDirectoryBytes(bytes));
    } catch (const EParseError&) {
    }
    try {
        // A kept file not written here may hold what writing evens out (a
        // carriage return inside a field); written once, it reads back the same.
        const std::string once = KeptDirectoryBytes(ReadKeptDirectory(bytes));
        if (KeptDirectoryBytes(ReadKeptDirectory(once)) != once) {
            std::abort();
        }
    } catch (const EParseError&) {
    }
    CheckINN(bytes);
    return 0;
}
