#pragma once
// The checks an editor's OK runs on its boxes before the record is written:
// which boxes hold a number that fails its rule, and the line of the
// question that names it. An empty box is never at fault.
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The rule of one box.
enum class TBoxCheck {
    None,
    INN,
    BIK,
    AccountAtBIK, // an account checked against the BIK of another box
};

struct TBoxRule {
    std::string_view Label; // "ИНН:"; the line names the box by it without the colon
    TBoxCheck Check = TBoxCheck::None;
    int BIKBox = -1; // for AccountAtBIK: the box of the bank's BIK
};

struct TBoxFault {
    int Box;
    std::string Line; // "ИНН 7701000022: неверное контрольное число"
};

// The boxes whose texts fail their rules, in box order.
std::vector<TBoxFault> BoxFaults(std::span<const TBoxRule> rules,
                                 std::span<const std::string> texts);

// A label's caption as the question names the box: "ИНН" of "ИНН:".
std::string_view CaptionOf(std::string_view label);
