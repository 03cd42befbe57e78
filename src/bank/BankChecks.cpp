#include "bank/BankChecks.h"

#include "text/CharClass.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::size_t kBIKLength = 9;
constexpr std::size_t kAccountLength = 20;

// The digits of the text, or nothing (with `check` telling why) when it
// holds anything else or is not of one of the lengths.
std::string Digits(std::string_view text, std::initializer_list<std::size_t> lengths,
                   TDetailCheck& check) {
    check = TDetailCheck::Passed;
    if (std::any_of(text.begin(), text.end(), [](char c) { return !IsDigit(c) && c != ' '; })) {
        check = TDetailCheck::NotDigits;
        return {};
    }
    std::string digits = DigitsOf(text);
    if (std::find(lengths.begin(), lengths.end(), digits.size()) == lengths.end()) {
        check = TDetailCheck::WrongLength;
        return {};
    }
    return digits;
}

int Digit(char c) {
    return c - '0';
}

// The weighted sum of the first weights.size() digits, mod 11 mod 10.
template <std::size_t N> int INNCheckDigit(std::string_view digits, const std::array<int, N>& w) {
    int sum = 0;
    for (std::size_t i = 0; i < N; ++i) {
        sum += Digit(digits[i]) * w[i];
    }
    return sum % 11 % 10;
}

} // namespace

std::string DigitsOf(std::string_view text) {
    std::string digits;
    std::copy_if(text.begin(), text.end(), std::back_inserter(digits),
                 [](char c) { return c != ' '; });
    return digits;
}

TDetailCheck CheckBIK(std::string_view bik) {
    TDetailCheck check;
    Digits(bik, {kBIKLength}, check);
    return check;
}

std::string AccountKeyPrefix(std::string_view bikDigits, std::string_view accountDigits) {
    const std::string_view office = bikDigits.substr(6, 3);
    const bool bankOfRussia = office == "000" || office == "001" || office == "002";
    if (bankOfRussia || accountDigits.substr(0, 3) == "301") {
        return "0" + std::string(bikDigits.substr(4, 2));
    }
    return std::string(office);
}

TDetailCheck CheckAccount(std::string_view account, std::string_view bik) {
    TDetailCheck check;
    const std::string digits = Digits(account, {kAccountLength}, check);
    if (check != TDetailCheck::Passed || CheckBIK(bik) != TDetailCheck::Passed) {
        return check;
    }
    const std::string keyed = AccountKeyPrefix(DigitsOf(bik), digits) + digits;
    static constexpr int kWeights[] = {7, 1, 3};
    int sum = 0;
    for (std::size_t i = 0; i < keyed.size(); ++i) {
        sum += Digit(keyed[i]) * kWeights[i % 3] % 10;
    }
    return sum % 10 == 0 ? TDetailCheck::Passed : TDetailCheck::WrongControl;
}

TDetailCheck CheckINN(std::string_view inn) {
    TDetailCheck check;
    const std::string digits = Digits(inn, {10, 12}, check);
    if (check != TDetailCheck::Passed) {
        return check;
    }
    bool right = false;
    if (digits.size() == 10) {
        right = INNCheckDigit(digits, std::array{2, 4, 10, 3, 5, 9, 4, 6, 8}) == Digit(digits[9]);
    } else {
        right =
            INNCheckDigit(digits, std::array{7, 2, 4, 10, 3, 5, 9, 4, 6, 8}) == Digit(digits[10]) &&
            INNCheckDigit(digits, std::array{3, 7, 2, 4, 10, 3, 5, 9, 4, 6, 8}) ==
                Digit(digits[11]);
    }
    return right ? TDetailCheck::Passed : TDetailCheck::WrongControl;
}

std::string BIKFaultText(TDetailCheck check) {
    return check == TDetailCheck::NotDigits ? "должен состоять только из цифр"
                                            : "должен состоять из 9 цифр";
}

std::string AccountFaultText(TDetailCheck check, std::string_view bik) {
    switch (check) {
    case TDetailCheck::NotDigits:
        return "должен состоять только из цифр";
    case TDetailCheck::WrongControl:
        return "неверный контрольный ключ (БИК " + DigitsOf(bik) + ")";
    default:
        return "должен состоять из 20 цифр";
    }
}

std::string INNFaultText(TDetailCheck check) {
    switch (check) {
    case TDetailCheck::NotDigits:
        return "должен состоять только из цифр";
    case TDetailCheck::WrongControl:
        return "неверное контрольное число";
    default:
        return "должен состоять из 10 или 12 цифр";
    }
}

std::string FaultLine(std::string_view caption, std::string_view value, std::string_view fault) {
    std::string line(caption);
    line.append(" ").append(value).append(": ").append(fault);
    return line;
}

std::string DetailsQuestion(std::span<const std::string> lines) {
    std::string text = "Реквизиты не прошли проверку:\n";
    for (const std::string& line : lines) {
        text.append("\n").append(line);
    }
    return text + "\n\nПродолжить?";
}
