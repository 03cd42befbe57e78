// Expressions and placeholder substitution on arbitrary bytes, over a few
// variables of every shape: numbers, text, a list and a date.
#include "report/ReportVariables.h"
#include "text/Errors.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

TReportVariables MakeVariables() {
    TReportVariables vars;
    vars.Set("a", "12,5", false);
    vars.Set("i", "2", false);
    vars.Set("s", "text", false);
    vars.Set("big", "1E308", false);
    vars.Set("list", "one\r\ntwo\r\nthree\r\n", false);
    vars.Set("d", "45000,5", false);
    return vars;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const TReportVariables vars = MakeVariables();
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        vars.Evaluate(text);
    } catch (const EAppError&) {
    }
    try {
        vars.Substitute(text);
    } catch (const EAppError&) {
    }
    return 0;
}
