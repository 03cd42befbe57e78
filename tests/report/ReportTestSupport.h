#pragma once
// Shortcuts for the report engine's tests.
#include "report/FixedMetricCanvas.h"
#include "report/ReportError.h"
#include "report/ReportInterfaces.h"
#include "report/TReport3.h"
#include "report/TReport3Cell.h"
#include "report/TemplateInterpreter.h"
#include "text/Markup.h"
#include "text/TemplateParser.h"

#include <memory>
#include <string>
#include <vector>

namespace report_test {

// Millimetres as a length.
constexpr TLength Mm(double mm) {
    return static_cast<TLength>(mm * kLengthPerMm + (mm < 0 ? -0.5 : 0.5));
}

// A report measuring on the fixed-metric canvas.
inline std::shared_ptr<TReport3> MakeReport() {
    return TReport3::Create({.MeasuringCanvas = FixedMetricCanvasFactory()});
}

// The page texts of a page, in order.
inline std::vector<std::shared_ptr<IReport3Text>> Texts(IReport3Page& page) {
    std::vector<std::shared_ptr<IReport3Text>> texts;
    for (std::int32_t i = 1; i <= page.TextCount(); ++i) {
        texts.push_back(page.GetText(i));
    }
    return texts;
}

// The texts of a page's page texts, in order.
inline std::vector<std::string> TextContents(IReport3Page& page) {
    std::vector<std::string> contents;
    for (const auto& text : Texts(page)) {
        contents.push_back(text->GetText());
    }
    return contents;
}

// Interprets template text against the report, as LoadTemplate does a file.
inline void Interpret(TReport3& report, const std::string& templateText) {
    const auto sentences = ParseTemplateText(templateText);
    const auto tree = SentenceToNode(*sentences);
    InterpretSections(report.TemplateRun(), report.shared_from_this(), *tree);
}

// The message of the error interpreting the text raises; "" when none.
inline std::string InterpretError(TReport3& report, const std::string& templateText) {
    try {
        Interpret(report, templateText);
    } catch (const EAppError& error) {
        return error.what();
    }
    return "";
}

} // namespace report_test
