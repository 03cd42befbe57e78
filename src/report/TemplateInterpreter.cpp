#include "report/TemplateInterpreter.h"

#include "report/ComputingStatements.h"
#include "report/NumberText.h"
#include "report/ReportError.h"
#include "report/StyleText.h"
#include "report/TReport3.h"
#include "text/Markup.h"
#include "text/Numbers.h"
#include "text/Paths.h"
#include "text/TemplateParser.h"
#include "text/TextCase.h"

#include <cmath>

namespace {

using TContext = std::shared_ptr<IReport3Base>;

// Font, size, style and alignment of a cell or text; absent font values
// take the report's defaults.
template <class Element>
void ApplyFontAndAlign(Element& element, const TNode& statement, const TReport3& report) {
    element.SetFont(statement.GetString("font", report.GetFontName()));
    element.SetFontSize(ClampToInt32(statement.GetInteger("fontsize", report.GetFontSize())));
    element.SetFontStyle(
        TextToFontStyle(statement.GetString("fontstyle", FontStyleToText(report.GetFontStyle()))));
    element.SetAlign(ClampToInt32(statement.GetInteger("align", 5)));
}

void RowStatement(TReport3& report, const TContext& context, const TNode& statement) {
    const TLength height = statement.GetFixed("h", 5 * kLengthPerMm);
    std::shared_ptr<IReport3Row> row;
    if (const auto owner = std::dynamic_pointer_cast<IReport3>(context)) {
        row = owner->AddRow(height);
    } else if (const auto cell = std::dynamic_pointer_cast<IReport3Cell>(context)) {
        row = cell->AddRow(height);
    } else {
        throw EReportError("Неизвестный интерфейс в ParseRow");
    }
    row->SetName(statement.GetString("name", ""));
    const std::string header = statement.GetString("header", "");
    if (!header.empty()) {
        // Only rows before this one (or this one) can be found.
        if (auto found = std::dynamic_pointer_cast<IReport3Row>(report.FindRow(header))) {
            row->SetHeader(found);
        }
    }
    row->SetPageFeed(statement.GetBoolean("pagefeed", false));
    row->SetOrientation(TextToOrientation(statement.GetString("pageorientation", "")));
    InterpretSections(report, row, statement);
}

void CellStatement(TReport3& report, const TContext& context, const TNode& statement) {
    const auto row = std::dynamic_pointer_cast<IReport3Row>(context);
    if (row == nullptr) {
        throw EReportError("Неизвестный интерфейс в ParseCell");
    }
    const auto cell = row->AddCell(statement.GetString("w", "100%"));
    cell->SetName(statement.GetString("name", ""));
    cell->SetText(report.Variables().Substitute(statement.GetString("text", "")));
    cell->SetFrame(statement.GetString("frame", ""));
    ApplyFontAndAlign(*cell, statement, report);
    InterpretSections(report, cell, statement);
}

void TextStatement(TReport3& report, const TContext& context, const TNode& statement) {
    const auto cell = std::dynamic_pointer_cast<IReport3Cell>(context);
    if (cell == nullptr) {
        throw EReportError("Неизвестный интерфейс в ParseCell");
    }
    const auto text = cell->AddText();
    text->SetX(statement.GetFixed("x", 0));
    text->SetY(statement.GetFixed("y", 0));
    text->SetW(statement.GetFixed("w", 0));
    text->SetH(statement.GetFixed("h", 0));
    text->SetText(report.Variables().Substitute(statement.GetString("text", "")));
    text->SetFrame(statement.GetString("frame", ""));
    ApplyFontAndAlign(*text, statement, report);
}

void ForStatement(TReport3& report, const TContext& context, const TNode& statement) {
    TReportVariables& variables = report.Variables();
    const std::string var = statement.GetString("var", "");
    if (var.find("[]") == std::string::npos) {
        const std::int64_t count = statement.GetInteger("n", 1);
        for (std::int64_t k = 1; k <= count; ++k) {
            report.TemplateRun().CountStatement();
            if (!var.empty()) {
                variables.Set(var, IntToText(k), false);
            }
            InterpretSections(report, context, statement);
        }
        return;
    }
    // "list[]": the elements of list, the position in "list#", the element in "list[]".
    const std::string base = var.substr(0, var.size() - 2);
    const std::int64_t count = TextToIntDef(variables.Get(base + "[0]"), 0);
    for (std::int64_t k = 1; k <= count; ++k) {
        report.TemplateRun().CountStatement();
        const std::string position = IntToText(k);
        variables.Set(base + "#", position, false);
        variables.Set(var, variables.Get(base + "[" + position + "]"), false);
        InterpretSections(report, context, statement);
    }
}

// A comparison operand: its value as a number, or `otherwise` when it is none.
double ConditionOperand(const TReportVariables& variables, const std::string& expression,
                        double otherwise) {
    const std::optional<double> value = TextToFloat(variables.Evaluate(expression));
    return value && std::isfinite(*value) ? *value : otherwise;
}

bool ConditionHolds(const TReportVariables& variables, const TNode& statement) {
    if (statement.ItemCount() != 3) {
        throw EReportError("Количество аргументов в операторе условия не 3");
    }
    // Two operands that are no numbers compare unequal, the left one greater.
    const double left = ConditionOperand(variables, statement.GetItem(0)->Text, 99999999.99);
    const double right = ConditionOperand(variables, statement.GetItem(2)->Text, 99999999.98);
    const std::string& op = statement.GetItem(1)->Text;
    if (op == "=") {
        return std::fabs(left - right) < 0.0001;
    }
    if (op == "<>") {
        return !(std::fabs(left - right) < 0.0001);
    }
    if (op == ">") {
        return left > right;
    }
    if (op == "<") {
        return left < right;
    }
    if (op == ">=") {
        return left >= right;
    }
    if (op == "<=") {
        return left <= right;
    }
    return false;
}

void IfStatement(TReport3& report, const TContext& context, const TNode& statement) {
    if (ConditionHolds(report.Variables(), statement)) {
        InterpretSections(report, context, statement);
    }
}

void IncludeStatement(TReport3& report, const TContext& context, const TNode& statement) {
    // The template names the file in its own text.
    const std::filesystem::path fileName =
        PathFromText(statement.ItemCount() > 0 ? statement.GetItem(0)->Text : "");
    if (const auto cell = std::dynamic_pointer_cast<IReport3Cell>(context)) {
        InterpretTemplateFile(report, cell, fileName);
    } else {
        report.LoadTemplate(fileName);
    }
    if (statement.ChildCount() > 0) {
        throw EReportError("Блок \"include\" в шаблоне отчета не закрыт");
    }
}

void DefaultsStatement(TReport3& report, const TNode& statement) {
    report.SetFontName(statement.GetString("font", report.GetFontName()));
    report.SetFontSize(ClampToInt32(statement.GetInteger("fontsize", report.GetFontSize())));
    report.SetFontStyle(
        TextToFontStyle(statement.GetString("fontstyle", FontStyleToText(report.GetFontStyle()))));
}

void InterpretStatement(TReport3& report, const TContext& context, const TNode& statement) {
    report.TemplateRun().CountStatement();
    const std::string name = LowerCaseCyr(statement.Name());
    if (name == "include") {
        IncludeStatement(report, context, statement);
    } else if (name == "row") {
        RowStatement(report, context, statement);
    } else if (name == "cell") {
        CellStatement(report, context, statement);
    } else if (name == "text") {
        TextStatement(report, context, statement);
    } else if (name == "for") {
        ForStatement(report, context, statement);
    } else if (name == "if") {
        IfStatement(report, context, statement);
    } else if (IsComputingStatement(name)) {
        RunComputingStatement(report.Variables(), name, statement);
    } else if (name == "defaults") {
        DefaultsStatement(report, statement);
    } else {
        throw EReportError("Недопустимый раздел: " + statement.Name());
    }
}

} // namespace

void InterpretSections(TReport3& report, const TContext& context, const TNode& node) {
    const TTemplateRun::TNestingScope nesting(report.TemplateRun());
    for (int i = 0; i < node.ChildCount(); ++i) {
        InterpretStatement(report, context, node.GetChild(i));
    }
}

void InterpretTemplateFile(TReport3& report, const TContext& context,
                           const std::filesystem::path& fileName) {
    const TTemplateRun::TFileScope file(report.TemplateRun(), fileName);
    const auto sentences = ParseTemplateFile(fileName);
    const auto tree = SentenceToNode(*sentences);
    InterpretSections(report, context, *tree);
}
