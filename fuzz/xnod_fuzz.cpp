// Any bytes: reading may fail, but never crash; whatever was read must be
// written in a form that reads back without error to the very same text.
#include "text/Errors.h"
#include "text/XNod.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TXNod root;
    try {
        root.LoadFromText(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz.txt");
    } catch (const EParseError&) {
    }
    const std::string saved = root.SaveToText();
    TXNod copy;
    copy.LoadFromText(saved);
    if (copy.SaveToText() != saved)
        std::abort();
    return 0;
}
