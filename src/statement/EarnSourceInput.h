#pragma once
// What the earn-source editor's "ОК" decides about its two fields.
#include <string>

struct TEarnSourceInput {
    std::string Symbol; // ECode
    std::string Name;   // EName
};

enum class TEarnSourceFault {
    None,   // close with OK
    Symbol, // focus ECode, no message: not a number from 1 to 999
    Name,   // kForbiddenNameMessage, focus EName
};

inline constexpr const char* kForbiddenNameMessage =
    "Обнаружены недопустимые символы в поле \"Наименование\"";

// Trims blanks and control characters around both fields (the window shows the trimmed texts) and
// judges them; an empty name is accepted.
TEarnSourceFault CheckEarnSourceInput(TEarnSourceInput& input);
