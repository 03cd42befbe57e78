#pragma once
// The public rules by which a bank tells a mistyped BIK, account or INN: the
// lengths, and the control key of an account (computed with the BIK of the
// bank where it is kept) and the check digits of an INN. Blanks between the
// digits are allowed (accounts are often written in groups) and ignored.
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Which rule a number failed.
enum class TDetailCheck {
    Passed,
    NotDigits,    // something other than digits and blanks
    WrongLength,  // digits, but not as many as the number has
    WrongControl, // the control key or check digits do not match
};

// The digits of a number as typed, without its blanks.
std::string DigitsOf(std::string_view text);

// A BIK: nine digits.
TDetailCheck CheckBIK(std::string_view bik);

// An account: twenty digits; its control key is checked when `bik` (the bank
// where it is kept) is a valid BIK, and not otherwise.
TDetailCheck CheckAccount(std::string_view account, std::string_view bik);

// An INN: ten digits (an organisation) or twelve (a person), with their check
// digits.
TDetailCheck CheckINN(std::string_view inn);

// The three digits put before an account to compute its control key: digits
// 7-9 of the BIK, or "0" and digits 5-6 for an account kept in a Bank of
// Russia division or a correspondent account ("301..."). Both must be valid.
std::string AccountKeyPrefix(std::string_view bikDigits, std::string_view accountDigits);

// What is wrong, as a message says it: "неверное контрольное число".
// `bik` names the bank an account's key was checked with.
std::string BIKFaultText(TDetailCheck check);
std::string AccountFaultText(TDetailCheck check, std::string_view bik);
std::string INNFaultText(TDetailCheck check);

// One line of the question: "ИНН 7701000022: неверное контрольное число".
std::string FaultLine(std::string_view caption, std::string_view value, std::string_view fault);

// The question asked when details failed their checks: the lines, then
// whether to go on anyway.
std::string DetailsQuestion(std::span<const std::string> lines);

// The question naming each fault of a list whose items carry their Line.
template <class TFaults> std::string FaultsQuestion(const TFaults& faults) {
    std::vector<std::string> lines;
    for (const auto& fault : faults) {
        lines.push_back(fault.Line);
    }
    return DetailsQuestion(lines);
}
