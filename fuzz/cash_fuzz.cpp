// Cash-field decoding: any text decodes, and the field the editor writes
// back from it is stable: decoding and encoding it again gives it unchanged.
// The register's strict reading takes any text too, and what it reads adds
// up: the amounts of the sources are the total.
#include "statement/CashField.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

std::string RoundTrip(std::string_view cash) {
    TStatement statement;
    statement.Sources.resize(5, {"02", "S", ""});
    DecodeCash(cash, statement);
    return EncodeCash(statement);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view cash(reinterpret_cast<const char*>(data), size);
    const std::string once = RoundTrip(cash);
    if (RoundTrip(once) != once) {
        std::abort();
    }
    if (const auto split = ReadCashSplit(cash, 5)) {
        Money booked = 0;
        for (const Money amount : split->Amounts) {
            booked += amount;
        }
        if (split->Amounts.size() != 5 || booked != split->Total) {
            std::abort();
        }
    }
    return 0;
}
