#include "statement/EditorKeys.h"

#include "statement/Denominations.h"
#include "text/CharClass.h"

#include <string_view>

namespace {

bool IsControl(char c) {
    return static_cast<unsigned char>(c) < 32;
}

bool IsOneOf(char c, std::string_view set) {
    return set.find(c) != std::string_view::npos;
}

} // namespace

std::optional<char> FreeTextKey(char c) {
    if ((IsControl(c) && c != kBackspace) || IsOneOf(c, "&<>^")) {
        return std::nullopt;
    }
    return c;
}

std::optional<char> CountKey(char c) {
    if (IsDigit(c) || c == kBackspace) {
        return c;
    }
    return std::nullopt;
}

std::optional<char> AmountKey(char c) {
    if (IsOneOf(c, "./<>?бюБЮ")) {
        c = ',';
    }
    if (IsDigit(c) || c == ',' || c == kBackspace) {
        return c;
    }
    return std::nullopt;
}

std::optional<char> SymbolKey(char c) {
    return CountKey(c);
}

std::optional<char> SourceNameKey(char c) {
    if (c == '\r' || c == '\n' || IsOneOf(c, "&'<>^~")) {
        return std::nullopt;
    }
    return c;
}

int NextCashRow(int row) {
    return row < static_cast<int>(kDenominationCount) ? row + 1 : 0;
}
