// Pictures in page texts: any text after "!EMF" is decoded or refused, and
// what decodes encodes back to a text that decodes to the same bytes.
#include "report/Base64.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto bytes = Base64Decode(std::string_view(reinterpret_cast<const char*>(data), size));
    if (bytes && Base64Decode(Base64Encode(*bytes)) != bytes) {
        std::abort();
    }
    return 0;
}
