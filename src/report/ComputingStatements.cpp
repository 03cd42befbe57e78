#include "report/ComputingStatements.h"

#include "report/FormatPadded.h"
#include "report/NumberText.h"
#include "text/Errors.h"
#include "text/Markup.h"
#include "text/Money.h"
#include "text/Numbers.h"
#include "text/TextCase.h"
#include "text/Words.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

namespace {

struct TItem {
    std::string Name;
    std::string Value;
};

// One run of a statement: its items, counted from 1 as templates count them.
class TCall {
public:
    TCall(TReportVariables& variables, std::vector<TItem> items)
        : Vars(variables), items_(std::move(items)) {}

    std::size_t Count() const { return items_.size(); }
    // An item past the end reads as an empty one.
    const std::string& Name(std::size_t k) const {
        return k <= Count() ? items_[k - 1].Name : empty_;
    }
    const std::string& Literal(std::size_t k) const {
        return k <= Count() ? items_[k - 1].Value : empty_;
    }
    // The value of the variable the item names.
    std::string Value(std::size_t k) const { return Vars.Get(Name(k)); }
    double Number(std::size_t k) const { return ReadNumber(Value(k)); }
    // Stores the result into the variable named by the first item.
    void Store(std::string_view result) const { Vars.Set(Name(1), result, false); }

    TReportVariables& Vars;

private:
    std::vector<TItem> items_;
    std::string empty_;
};

std::vector<TItem> ItemsOf(const TNode& statement) {
    std::vector<TItem> items;
    for (int i = 0; i < statement.ItemCount(); ++i)
        items.push_back({statement.GetItem(i)->Name, statement.GetItem(i)->AsString()});
    return items;
}

// ---- assignments: any number of items, no block allowed

void RunSet(const TCall& call) {
    for (std::size_t k = 1; k <= call.Count(); ++k)
        call.Vars.Set(call.Name(k), call.Literal(k), true);
}

void RunSetStr(const TCall& call) {
    for (std::size_t k = 1; k <= call.Count(); ++k)
        call.Vars.Set(call.Name(k), call.Literal(k), false);
}

void RunAdd(const TCall& call) {
    for (std::size_t k = 1; k <= call.Count(); ++k)
        call.Vars.Set(call.Name(k), NumberToText(call.Number(k) + ReadNumber(call.Literal(k))),
                      false);
}

// ---- numbers; the nudge of 0,0001 makes 2,4999999 from earlier arithmetic count as 2,5

constexpr double kNudge = 0.0001;

void RunRound(const TCall& call) {
    call.Store(IntToText(ToInt64Checked(std::nearbyint(call.Number(2) + kNudge))));
}

void RunFloor(const TCall& call) {
    call.Store(IntToText(ToInt64Checked(std::floor(call.Number(2) + kNudge))));
}

void RunFrac(const TCall& call) {
    const double value = call.Number(2) + kNudge;
    call.Store(FormatPadded("%.2f", value - std::trunc(value)));
}

void RunNeg(const TCall& call) {
    call.Store(NumberToText(-call.Number(2)));
}

void RunRubStr(const TCall& call) {
    call.Store(AmountInWords(MoneyFromDouble(call.Number(2))));
}

void RunNumStr(const TCall& call) {
    call.Store(NumberInWords(MoneyFromDouble(call.Number(2))));
}

// ---- strings

void RunStrCpy(const TCall& call) {
    call.Store(call.Value(2));
}

void RunStrLen(const TCall& call) {
    call.Store(IntToText(static_cast<std::int64_t>(call.Value(2).size())));
}

void RunStrUpper(const TCall& call) {
    call.Store(UpperCaseCyr(call.Value(2)));
}

void RunStrLower(const TCall& call) {
    call.Store(LowerCaseCyr(call.Value(2)));
}

void RunStrCat(const TCall& call) {
    call.Store(call.Value(1) + call.Literal(1) + call.Literal(2));
}

void RunStrVCat(const TCall& call) {
    call.Store(call.Value(1) + call.Value(2));
}

void RunStrTrim(const TCall& call) {
    const std::string value = call.Value(1);
    const auto isKept = [](unsigned char c) { return c > ' '; };
    const auto first = std::find_if(value.begin(), value.end(), isKept);
    const auto last = std::find_if(value.rbegin(), value.rend(), isKept).base();
    call.Store(first < last ? std::string(first, last) : std::string());
}

void RunStrCmp(const TCall& call) {
    call.Store(call.Value(2) == call.Literal(3) ? "0" : "1");
}

void RunStrVCmp(const TCall& call) {
    call.Store(call.Value(2) == call.Value(3) ? "0" : "1");
}

// ---- functions of 3 to 5 items: items 3 to 5 are read as a list of names
// N1..N3 and a parallel list of values V1..V3; a variable argument fills a
// name, a literal one a value followed by an empty item.

struct TArgLists {
    std::array<std::string, 3> N;
    std::array<std::string, 3> V;
};

TArgLists ArgListsOf(const TCall& call) {
    TArgLists lists;
    for (std::size_t i = 0; i < 3; ++i) {
        lists.N[i] = call.Name(i + 3);
        lists.V[i] = call.Literal(i + 3);
    }
    return lists;
}

// The variable's value when the name is set, else the literal.
std::string ValueOr(const TCall& call, const std::string& name, const std::string& literal) {
    return name.empty() ? literal : call.Vars.Get(name);
}

std::int64_t IntegerOr(std::string_view text, std::int64_t def) {
    return TextToIntDef(text, def);
}

void RunStrReplace(const TCall& call) {
    const TArgLists a = ArgListsOf(call);
    std::string from, to;
    if (!a.N[0].empty()) {
        from = call.Vars.Get(a.N[0]);
        to = ValueOr(call, a.N[1], a.V[1]);
    } else {
        from = a.V[0];
        to = ValueOr(call, a.N[2], a.V[2]);
    }
    std::string text = call.Value(2);
    if (!from.empty()) {
        std::string replaced;
        std::size_t pos = 0;
        for (std::size_t found; (found = text.find(from, pos)) != std::string::npos;
             pos = found + from.size())
            replaced.append(text, pos, found - pos).append(to);
        text = replaced.append(text, pos);
    }
    call.Store(text);
}

// Moves the non-empty entries up: the first empty one takes the next.
void PackList(std::array<std::string, 3>& list) {
    if (list[0].empty()) {
        list[0] = std::move(list[1]);
        list[1] = std::move(list[2]);
        list[2].clear();
    }
    if (list[1].empty()) {
        list[1] = std::move(list[2]);
        list[2].clear();
    }
}

void RunSubStr(const TCall& call) {
    TArgLists a = ArgListsOf(call);
    PackList(a.N);
    PackList(a.V);
    const std::string source = call.Value(2);
    const auto length = static_cast<std::int64_t>(source.size());
    const auto count = [&](const std::string& literal) {
        return a.N[1].empty() ? IntegerOr(literal, length) : IntegerOr(call.Vars.Get(a.N[1]), 0);
    };
    std::int64_t start, number;
    if (!a.N[0].empty()) {
        start = IntegerOr(call.Vars.Get(a.N[0]), 0);
        number = count(a.V[0]);
    } else {
        start = IntegerOr(a.V[0], 0);
        number = count(a.V[1]);
    }
    if (start < 0)
        throw EAppError("Ошибка в функции \"substr\": номер символа меньше 0");
    if (number < 0)
        throw EAppError("Ошибка в функции \"substr\": количество символов меньше 0");
    call.Store(start >= length ? std::string()
                               : source.substr(start, std::min(number, length - start)));
}

void RunStrPos(const TCall& call) {
    const TArgLists a = ArgListsOf(call);
    std::string needle, start;
    if (!a.N[0].empty()) {
        needle = call.Vars.Get(a.N[0]);
        start = ValueOr(call, a.N[1], a.V[1]);
    } else {
        needle = a.V[0];
        start = ValueOr(call, a.N[2], a.V[2]);
    }
    const std::string source = call.Value(2);
    const std::int64_t skip = std::max<std::int64_t>(IntegerOr(start, 0), 0);
    std::int64_t position = -1;
    if (!needle.empty() && skip <= static_cast<std::int64_t>(source.size())) {
        const std::size_t found = source.find(needle, skip);
        if (found != std::string::npos)
            position = static_cast<std::int64_t>(found);
    }
    call.Store(IntToText(position));
}

// ---- the table

enum class TShape {
    Assignment, // any item count; statements in braces are an error
    Fixed,      // exactly `Items` items
    List,       // 3 to 5 items
};

struct TStatement {
    std::string_view Name;
    TShape Shape;
    std::size_t Items;
    std::string_view BlockName; // the name the item-count message uses
    void (*Run)(const TCall&);
};

constexpr TStatement kStatements[] = {
    {"set", TShape::Assignment, 0, "set", RunSet},
    {"setstr", TShape::Assignment, 0, "setstr", RunSetStr},
    {"add", TShape::Assignment, 0, "add", RunAdd},
    {"round", TShape::Fixed, 2, "round", RunRound},
    {"floor", TShape::Fixed, 2, "floor", RunFloor},
    {"frac", TShape::Fixed, 2, "frac", RunFrac},
    {"neg", TShape::Fixed, 2, "neg", RunNeg},
    {"strcpy", TShape::Fixed, 2, "strcpy", RunStrCpy},
    {"strlen", TShape::Fixed, 2, "strlen", RunStrLen},
    {"strupper", TShape::Fixed, 2, "strupper", RunStrUpper},
    {"strlower", TShape::Fixed, 2, "strlower", RunStrLower},
    {"rubstr", TShape::Fixed, 2, "rubstr", RunRubStr},
    {"numstr", TShape::Fixed, 2, "numstr", RunNumStr},
    {"strcat", TShape::Fixed, 2, "strcat", RunStrCat},
    {"strvcat", TShape::Fixed, 2, "strvcat", RunStrVCat},
    {"strtrim", TShape::Fixed, 1, "trim", RunStrTrim},
    {"strcmp", TShape::Fixed, 3, "strcmp", RunStrCmp},
    {"strvcmp", TShape::Fixed, 3, "strvcmp", RunStrVCmp},
    {"strreplace", TShape::List, 0, "strreplace", RunStrReplace},
    {"substr", TShape::List, 0, "substr", RunSubStr},
    {"strpos", TShape::List, 0, "strpos", RunStrPos},
};

const TStatement* FindStatement(std::string_view lowerName) {
    for (const TStatement& statement : kStatements)
        if (statement.Name == lowerName)
            return &statement;
    return nullptr;
}

void CheckItemCount(const TStatement& statement, std::size_t count) {
    const std::string name(statement.BlockName);
    if (statement.Shape == TShape::Fixed && count != statement.Items)
        throw EAppError("Блок \"" + name + "\" в шаблоне отчета должен содержать " +
                        IntToText(static_cast<std::int64_t>(statement.Items)) +
                        (statement.Items == 1 ? " элемент" : " элемента"));
    if (statement.Shape == TShape::List && (count < 3 || count > 5))
        throw EAppError("Ошибка в параметрах функции \"" + name + "\"");
}

} // namespace

bool IsComputingStatement(std::string_view lowerName) {
    return FindStatement(lowerName);
}

void RunComputingStatement(TReportVariables& variables, std::string_view lowerName,
                           const TNode& statement) {
    const TStatement* found = FindStatement(lowerName);
    if (!found)
        throw EAppError("Недопустимый раздел: " + std::string(lowerName));
    const TCall call(variables, ItemsOf(statement));
    CheckItemCount(*found, call.Count());
    found->Run(call);
    if (found->Shape == TShape::Assignment && statement.ChildCount() > 0)
        throw EAppError("Блок \"" + std::string(found->Name) + "\" в шаблоне отчета не закрыт");
}
