#include "report/NumberText.h"

#include "text/Errors.h"
#include "text/Numbers.h"

#include <charconv>
#include <cmath>

namespace {

[[noreturn]] void RaiseOverflow() {
    throw EAppError("Переполнение при вычислении");
}

} // namespace

double ReadNumber(std::string_view text) {
    const double value = TextToFloatDef(text, 0.0);
    return std::isfinite(value) ? value : 0.0;
}

std::string NumberToText(double value) {
    if (!std::isfinite(value))
        RaiseOverflow();
    return FloatToText(value == 0.0 ? 0.0 : value); // never "-0"
}

std::int64_t ToInt64Checked(double value) {
    // 2^63 is exact in a double; every double below it in magnitude fits.
    constexpr double limit = 9223372036854775808.0;
    if (!(value >= -limit && value < limit))
        RaiseOverflow();
    return static_cast<std::int64_t>(value);
}

std::string IntToText(std::int64_t value) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}
