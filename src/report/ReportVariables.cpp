#include "report/ReportVariables.h"

#include "report/NumberText.h"
#include "report/Substitution.h"
#include "text/Errors.h"
#include "text/Numbers.h"

#include <optional>

namespace {

// An index is an expression that may name indexed variables itself; deeper
// nesting than any template writes would only exhaust the stack.
constexpr int kMaxIndexDepth = 32;

// Beyond this an indexed assignment would only fill memory with empty lines.
constexpr std::int64_t kMaxElements = 1000000;

bool IsPlainName(std::string_view name) {
    return name.find('[') == std::string_view::npos || name.find("[]") != std::string_view::npos;
}

// Calls visit(line) for each line of a value until it returns false. A line
// ends at CR LF, a lone LF or a lone CR; text after the last break is one more.
template <typename Visit> void VisitLines(std::string_view text, Visit visit) {
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
        if (!visit(text.substr(start, end - start)) || end == text.size())
            return;
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n')
            ++start;
    }
}

[[noreturn]] void RaiseBadIndexedName(std::string_view name) {
    throw EAppError("Ошибка в имени переменной \"" + std::string(name) + "\"");
}

} // namespace

const std::string* TReportVariables::FindPlain(std::string_view name) const {
    const auto found = positions_.find(name);
    return found == positions_.end() ? nullptr : &items_[found->second].Value;
}

void TReportVariables::SetPlain(std::string_view name, std::string value) {
    const auto found = positions_.find(name);
    if (found != positions_.end()) {
        items_[found->second].Value = std::move(value);
        lines_.erase(found->second);
        return;
    }
    positions_.emplace(std::string(name), items_.size());
    items_.push_back({std::string(name), std::move(value)});
}

void TReportVariables::SetElement(std::string_view name, std::string value) {
    const std::size_t open = name.find('[');
    const std::string_view indexText = name.substr(open + 1, name.size() - open - 2);
    std::optional<std::int64_t> index = TextToInt(indexText);
    if (!index)
        index = TextToInt(Evaluate(indexText));
    if (!index || *index < 1 || *index > kMaxElements)
        RaiseBadIndexedName(name);
    const std::string_view base = name.substr(0, open);
    const std::string* old = FindPlain(base);
    std::vector<std::string_view> lines;
    VisitLines(old ? *old : std::string_view(), [&](std::string_view line) {
        lines.push_back(line);
        return true;
    });
    if (lines.size() < static_cast<std::size_t>(*index))
        lines.resize(*index);
    lines[*index - 1] = value;
    std::string joined;
    for (const std::string_view line : lines) {
        joined += line;
        joined += "\r\n";
    }
    SetPlain(base, std::move(joined));
}

void TReportVariables::Set(std::string_view name, std::string_view value, bool evaluate) {
    if (name.empty())
        return;
    std::string stored = evaluate ? Evaluate(value) : std::string(value);
    if (IsPlainName(name))
        SetPlain(name, std::move(stored));
    else if (name.find(']') == name.size() - 1)
        SetElement(name, std::move(stored));
    else
        throw EAppError("Ошибка в имени переменной: \"" + std::string(name) + "\"");
}

std::string TReportVariables::Lookup(std::string_view name, int depth) const {
    if (name.empty())
        return "";
    if (IsPlainName(name)) {
        const std::string* value = FindPlain(name);
        return value ? *value : std::string();
    }
    if (depth >= kMaxIndexDepth)
        throw EAppError("Слишком глубокая вложенность индексов в имени переменной");
    const std::size_t open = name.find('[');
    const std::string_view indexText =
        open + 1 < name.size() ? name.substr(open + 1, name.size() - open - 2) : "";
    const std::string index = EvaluateExpression(indexText, LookupAt(depth + 1));
    const auto found = positions_.find(name.substr(0, open));
    if (found == positions_.end())
        return "";
    const TLines& lines = LinesOf(found->second);
    // Index "0" asks for the count; an index that is no integer means 1.
    if (index == "0")
        return IntToText(static_cast<std::int64_t>(lines.size()));
    const std::int64_t wanted = TextToInt(index).value_or(1);
    if (wanted < 1 || static_cast<std::uint64_t>(wanted) > lines.size())
        return "";
    const auto [offset, length] = lines[wanted - 1];
    return items_[found->second].Value.substr(offset, length);
}

const TReportVariables::TLines& TReportVariables::LinesOf(std::size_t position) const {
    const auto [kept, added] = lines_.try_emplace(position);
    TLines& lines = kept->second;
    if (added) {
        const std::string_view value = items_[position].Value;
        VisitLines(value, [&](std::string_view line) {
            lines.emplace_back(line.data() - value.data(), line.size());
            return true;
        });
    }
    return lines;
}

TVariableLookup TReportVariables::LookupAt(int depth) const {
    return [this, depth](std::string_view name) { return Lookup(name, depth); };
}

std::string TReportVariables::Get(std::string_view name) const {
    return Lookup(name, 0);
}

std::string TReportVariables::Evaluate(std::string_view expression) const {
    return EvaluateExpression(expression, LookupAt(0));
}

std::string TReportVariables::Substitute(std::string_view text) const {
    return SubstituteVariables(text, LookupAt(0));
}

void TReportVariables::Clear() {
    items_.clear();
    positions_.clear();
    lines_.clear();
}
