// Any text as a format pattern, a date pattern and a number: no crash, no
// hang, and a number read from it writes and reads back consistently.
#include "text/DateTime.h"
#include "text/Errors.h"
#include "text/Format.h"
#include "text/Money.h"
#include "text/Numbers.h"
#include "text/Words.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        Format(text, {-12345, 2.675, text, 1e300, std::int64_t{-1}});
    } catch (const EConvertError&) {
    }
    FormatDateTime(text, 42795.5);
    HexToInt(text);
    TextToInt(text);
    if (const auto value = TextToFloat(text)) {
        // Fifteen digits read back to a double that writes the same text.
        const std::string written = FloatToText(*value);
        const auto reread = TextToFloat(written);
        if (!reread || FloatToText(*reread) != written) {
            std::abort();
        }
    }
    if (const auto money = TextToMoney(text)) {
        if (TextToMoney(MoneyToText(*money, 4)) != money) {
            std::abort();
        }
        AmountInWords(*money);
        NumberInWords(*money);
    }
    return 0;
}
