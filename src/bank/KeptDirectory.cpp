#include "bank/KeptDirectory.h"

#include "bank/BankChecks.h"
#include "text/Errors.h"
#include "text/Format.h"
#include "text/Paths.h"
#include "text/SafeFile.h"

#include <system_error>

namespace {

constexpr std::string_view kHeader = "BIKDirectory 1";
constexpr std::size_t kFields = 6;

// The line's fields between tabs.
std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (std::size_t tab; (tab = line.find('\t', start)) != std::string_view::npos;
         start = tab + 1) {
        fields.push_back(line.substr(start, tab - start));
    }
    fields.push_back(line.substr(start));
    return fields;
}

// Next line of the bytes, without its end; false at the end.
bool NextLine(std::string_view& bytes, std::string_view& line) {
    if (bytes.empty()) {
        return false;
    }
    const std::size_t end = bytes.find('\n');
    line = bytes.substr(0, end);
    bytes = end == std::string_view::npos ? std::string_view() : bytes.substr(end + 1);
    if (line.ends_with('\r')) {
        line.remove_suffix(1);
    }
    return true;
}

// Tabs and line ends would break the line; the reader never lets them in,
// this keeps any other source of banks from doing so.
std::string Field(const std::string& text) {
    std::string field = text;
    for (char& c : field) {
        c = c == '\t' || c == '\n' || c == '\r' ? ' ' : c;
    }
    return field;
}

} // namespace

std::string KeptDirectoryBytes(const TBankDirectory& directory) {
    std::string bytes(kHeader);
    bytes.append("\n").append(directory.Date()).append("\n");
    for (const TDirectoryBank& bank : directory.Banks()) {
        bytes.append(bank.BIK).append("\t").append(Field(bank.Name)).append("\t");
        bytes.append(Field(bank.PlaceKind)).append("\t").append(Field(bank.Place)).append("\t");
        bytes.append(bank.CorrAccount).append("\t");
        bytes.append(bank.Deleted ? "D" : "").append(bank.Revoked ? "R" : "").append("\n");
    }
    return bytes;
}

TBankDirectory ReadKeptDirectory(std::string_view bytes) {
    std::string_view line;
    if (!NextLine(bytes, line) || line != kHeader) {
        throw EParseError("неизвестный формат файла");
    }
    std::string date;
    if (!NextLine(bytes, line) || line.size() != 10) {
        throw EParseError("неверная дата справочника");
    }
    date = line;
    std::vector<TDirectoryBank> banks;
    for (int number = 3; NextLine(bytes, line); ++number) {
        const std::vector<std::string_view> fields = Fields(line);
        if (fields.size() != kFields || CheckBIK(fields[0]) != TDetailCheck::Passed ||
            fields[0].size() != 9) {
            throw EParseError(Format("неверная строка %d", {number}));
        }
        TDirectoryBank& bank = banks.emplace_back();
        bank.BIK = fields[0];
        bank.Name = fields[1];
        bank.PlaceKind = fields[2];
        bank.Place = fields[3];
        bank.CorrAccount = fields[4];
        bank.Deleted = fields[5].find('D') != std::string_view::npos;
        bank.Revoked = fields[5].find('R') != std::string_view::npos;
    }
    return TBankDirectory(std::move(date), std::move(banks));
}

TKeptBankDirectory::TKeptBankDirectory(const std::filesystem::path& folder)
    : path_(folder / kKeptDirectoryName) {}

const TBankDirectory& TKeptBankDirectory::Directory() {
    if (read_) {
        return directory_;
    }
    read_ = true;
    std::error_code error;
    if (!std::filesystem::exists(path_, error)) {
        return directory_;
    }
    try {
        directory_ = ReadKeptDirectory(ReadWholeFileOrRaise(path_));
    } catch (const EAppError& problem) {
        failure_ = "Справочник БИК \"" + PathToText(path_.filename()) +
                   "\" не читается: " + problem.what();
    }
    return directory_;
}

void TKeptBankDirectory::Replace(TBankDirectory directory) {
    WriteFileAtomically(path_, KeptDirectoryBytes(directory), PathToText(path_.filename()));
    directory_ = std::move(directory);
    failure_.reset();
    read_ = true;
}
