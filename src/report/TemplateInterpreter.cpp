#include "report/TemplateInterpreter.h"

#include "report/ComputingStatements.h"
#include "report/NumberText.h"
#include "report/ReportError.h"
#include "report/ReportVariables.h"
#include "report/StyleText.h"
#include "report/TemplateRun.h"
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
void ApplyFontAndAlign(Element& element, const TNode& statement, const IReport3& report) {
    element.SetFont(statement.GetString("font", report.GetFontName()));
    element.SetFontSize(ClampToInt32(statement.GetInteger("fontsize", report.GetFontSize())));
    element.SetFontStyle(
        TextToFontStyle(statement.GetString("fontstyle", FontStyleToText(report.GetFontStyle()))));
    element.SetAlign(ClampToInt32(statement.GetInteger("align", kAlignCentre)));
}

void RowStatement(TTemplateRun& run, const TContext& context, const TNode& statement) {
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
        if (auto found = std::dynamic_pointer_cast<IReport3Row>(run.Report().FindRow(header))) {
            row->SetHeader(found);
        }
    }
    row->SetPageFeed(statement.GetBoolean("pagefeed", false));
    row->SetOrientation(TextToOrientation(statement.GetString("pageorientation", "")));
    InterpretSections(run, row, statement);
}

void CellStatement(TTemplateRun& run, const TContext& context, const TNode& statement) {
    const auto row = std::dynamic_pointer_cast<IReport3Row>(context);
    if (row == nullptr) {
        throw EReportError("Неизвестный интерфейс в ParseCell");
    }
    const auto cell = row->AddCell(statement.GetString("w", "100%"));
    cell->SetName(statement.GetString("name", ""));
    cell->SetText(run.Variables().Substitute(statement.GetString("text", "")));
    cell->SetFrame(statement.GetString("frame", ""));
    ApplyFontAndAlign(*cell, statement, run.Report());
    InterpretSections(run, cell, statement);
}

void TextStatement(TTemplateRun& run, const TContext& context, const TNode& statement) {
    const auto cell = std::dynamic_pointer_cast<IReport3Cell>(context);
    if (cell == nullptr) {
        throw EReportError("Неизвестный интерфейс в ParseCell");
    }
    const auto text = cell->AddText();
    text->SetX(statement.GetFixed("x", 0));
    text->SetY(statement.GetFixed("y", 0));
    text->SetW(statement.GetFixed("w", 0));
    text->SetH(statement.GetFixed("h", 0));
    text->SetText(run.Variables().Substitute(statement.GetString("text", "")));
    text->SetFrame(statement.GetString("frame", ""));
    ApplyFontAndAlign(*text, statement, run.Report());
}

void ForStatement(TTemplateRun& run, const TContext& context, const TNode& statement) {
    TReportVariables& variables = run.Variables();
    const std::string var = statement.GetString("var", "");
    if (var.find("[]") == std::string::npos) {
        const std::int64_t count = statement.GetInteger("n", 1);
        for (std::int64_t k = 1; k <= count; ++k) {
            run.CountStatement();
            if (!var.empty()) {
                variables.Set(var, IntToText(k), false);
            }
            InterpretSections(run, context, statement);
        }
        return;
    }
    // "list[]": the elements of list, the position in "list#", the element in "list[]".
    const std::string base = var.substr(0, var.size() - 2);
    const std::int64_t count = TextToIntDef(variables.Get(base + "[0]"), 0);
    for (std::int64_t k = 1; k <= count; ++k) {
        run.CountStatement();
        const std::string position = IntToText(k);
        variables.Set(base + "#", position, false);
        variables.Set(var, variables.Get(base + "[" + position + "]"), false);
        InterpretSections(run, context, statement);
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

void IfStatement(TTemplateRun& run, const TContext& context, const TNode& statement) {
    if (ConditionHolds(run.Variables(), statement)) {
        InterpretSections(run, context, statement);
    }
}

void IncludeStatement(TTemplateRun& run, const TContext& context, const TNode& statement) {
    // The template names the file in its own text.
    const std::filesystem::path fileName =
        PathFromText(statement.ItemCount() > 0 ? statement.GetItem(0)->Text : "");
    if (const auto cell = std::dynamic_pointer_cast<IReport3Cell>(context)) {
        InterpretTemplateFile(run, cell, fileName);
    } else {
        run.Report().LoadTemplate(fileName);
    }
    if (statement.ChildCount() > 0) {
        throw EReportError("Блок \"include\" в шаблоне отчета не закрыт");
    }
}

void DefaultsStatement(IReport3& report, const TNode& statement) {
    report.SetFontName(statement.GetString("font", report.GetFontName()));
    report.SetFontSize(ClampToInt32(statement.GetInteger("fontsize", report.GetFontSize())));
    report.SetFontStyle(
        TextToFontStyle(statement.GetString("fontstyle", FontStyleToText(report.GetFontStyle()))));
}

void InterpretStatement(TTemplateRun& run, const TContext& context, const TNode& statement) {
    run.CountStatement();
    const std::string name = LowerCaseCyr(statement.Name());
    if (name == "include") {
        IncludeStatement(run, context, statement);
    } else if (name == "row") {
        RowStatement(run, context, statement);
    } else if (name == "cell") {
        CellStatement(run, context, statement);
    } else if (name == "text") {
        TextStatement(run, context, statement);
    } else if (name == "for") {
        ForStatement(run, context, statement);
    } else if (name == "if") {
        IfStatement(run, context, statement);
    } else if (IsComputingStatement(name)) {
        RunComputingStatement(run.Variables(), name, statement);
    } else if (name == "defaults") {
        DefaultsStatement(run.Report(), statement);
    } else {
        throw EReportError("Недопустимый раздел: " + statement.Name());
    }
}

} // namespace

void InterpretSections(TTemplateRun& run, const TContext& context, const TNode& node) {
    const TTemplateRun::TNestingScope nesting(run);
    for (int i = 0; i < node.ChildCount(); ++i) {
        InterpretStatement(run, context, node.GetChild(i));
    }
}

void InterpretTemplateFile(TTemplateRun& run, const TContext& context,
                           const std::filesystem::path& fileName) {
    const TTemplateRun::TFileScope file(run, fileName);
    const auto sentences = ParseTemplateFile(fileName);
    const auto tree = SentenceToNode(*sentences);
    InterpretSections(run, context, *tree);
}
