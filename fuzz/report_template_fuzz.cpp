// A template through the statement parser, the interpreter and Build, on the
// fixed-metric canvas. Only the program's own errors may leave.
#include "report/FixedMetricCanvas.h"
#include "report/TReport3.h"
#include "report/TemplateInterpreter.h"
#include "text/Errors.h"
#include "text/Markup.h"
#include "text/TemplateParser.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto report = TReport3::Create({.MeasuringCanvas = FixedMetricCanvasFactory()});
    // Enough for every construct; small enough to keep runs fast.
    report->TemplateRun().SetStatementLimit(20000);
    try {
        const auto sentences = ParseTemplateText(text);
        const auto tree = SentenceToNode(*sentences);
        InterpretSections(report->TemplateRun(), report, *tree);
    } catch (const EAppError&) {
        // What was made before the error is built all the same.
    }
    report->Build();
    report->GetPagesText();
    return 0;
}
