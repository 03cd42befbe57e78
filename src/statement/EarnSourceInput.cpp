#include "statement/EarnSourceInput.h"

#include "statement/EarnSources.h"
#include <string_view>

namespace {

// Blanks and control characters (a pasted tab or line break) go from both ends.
std::string Trimmed(std::string_view text) {
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return std::string(text);
}

} // namespace

TEarnSourceFault CheckEarnSourceInput(TEarnSourceInput& input) {
    input.Symbol = Trimmed(input.Symbol);
    input.Name = Trimmed(input.Name);
    if (!IsValidEarnSourceSymbol(input.Symbol)) {
        return TEarnSourceFault::Symbol;
    }
    if (HasForbiddenNameCharacter(input.Name)) {
        return TEarnSourceFault::Name;
    }
    return TEarnSourceFault::None;
}
