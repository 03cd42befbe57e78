#pragma once
// The fixed table of banknotes and coins a statement counts, from 5000
// roubles down to 1 kopeck. The code names a denomination inside the cash
// field and in the print variables "N" and "S" followed by the code.
#include "text/Money.h"

#include <array>
#include <string_view>

struct TDenomination {
    std::string_view Label;     // shown in the editor, with a trailing blank
    std::string_view ValueText; // the value in roubles, decimal comma
    std::string_view Code;      // digits only; no code occurs inside another's tag
    Money Value;
};

inline constexpr std::size_t kDenominationCount = 15;

const std::array<TDenomination, kDenominationCount>& Denominations();
