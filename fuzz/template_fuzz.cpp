// Any bytes as a report template: a node tree or an EParseError, never a
// crash, hang or leak.
#include "text/Errors.h"
#include "text/TemplateParser.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const auto sentences = ParseTemplateText(text);
        SentenceToNode(*sentences);
    } catch (const EParseError&) {
    }
    return 0;
}
