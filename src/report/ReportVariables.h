#pragma once
// The variables of a report: named text values in the order of their first
// assignment. Names are case-sensitive. A name "base[index]" addresses line
// number index (from 1) of the variable base, whose value holds its elements
// as lines each ended by CR LF; "base[0]" reads the element count. A name
// holding "[]" is an ordinary name. Plain names are found through an index,
// so reading and writing them costs the same however many variables exist.
// The lines of a variable read by index are found once and kept until the
// variable changes, so a loop over its elements reads each in constant time.
#include "report/ExpressionEvaluator.h"
#include "report/FormatPadded.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// One variable.
struct TVar {
    std::string Name;
    std::string Value;
};

class TReportVariables {
public:
    // Stores the value, or its value as an expression when `evaluate` is set.
    // A malformed indexed name raises EAppError with the name in its message.
    void Set(std::string_view name, std::string_view value, bool evaluate);

    // The variable's value; "" when there is none.
    std::string Get(std::string_view name) const;

    // The value of an expression over these variables.
    std::string Evaluate(std::string_view expression) const;

    // The text with its placeholders replaced by these variables.
    std::string Substitute(std::string_view text) const;

    // Forgets every variable.
    void Clear();

    // The variables in the order they were created.
    const std::vector<TVar>& Items() const { return items_; }

private:
    struct TNameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const {
            return std::hash<std::string_view>()(name);
        }
    };

    const std::string* FindPlain(std::string_view name) const;
    void SetPlain(std::string_view name, std::string value);
    void SetElement(std::string_view name, std::string value);
    std::string Lookup(std::string_view name, int depth) const;
    TVariableLookup LookupAt(int depth) const;

    // Where each line of a value lies: offset and length.
    using TLines = std::vector<std::pair<std::size_t, std::size_t>>;
    const TLines& LinesOf(std::size_t position) const;

    std::vector<TVar> items_;
    std::unordered_map<std::string, std::size_t, TNameHash, std::equal_to<>> positions_;
    // The lines of the variables read by index, by their position in items_.
    mutable std::unordered_map<std::size_t, TLines> lines_;
};
