// Cash-field decoding: any text decodes, and the field the editor writes
// back from it is stable: decoding and encoding it again gives it unchanged.
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
    const std::string once = RoundTrip(std::string_view(reinterpret_cast<const char*>(data), size));
    if (RoundTrip(once) != once) {
        std::abort();
    }
    return 0;
}
