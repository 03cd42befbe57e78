// Any bytes as page-text markup: a tree or an EParseError, never a crash,
// hang or leak; and the same bytes as a value survive writing and reading.
#include "text/Errors.h"
#include "text/Markup.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const auto top = ParseMarkup(text);
        const TNode& first = top->GetChild(0);
        first.GetFixed("x", 0);
        first.GetChild(0).GetInteger("fontsize", 0);
    } catch (const EParseError&) {
    }
    const std::string page =
        "<page orientation=\"\">\r\n  <text text=\"" + EscapeMarkupValue(text) + "\"/>\r\n</>\r\n";
    if (ParseMarkup(page)->GetChild(0).GetChild(0).GetString("text", {}) != text) {
        std::abort();
    }
    TagValue(text, "a", {}, text.substr(0, 2));
    NumberFromText(text, 0);
    return 0;
}
