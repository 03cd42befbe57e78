#pragma once
// Template expressions: an operand, then any number of operator-operand
// pairs, computed strictly left to right with no precedence and no
// parentheses. Operands are variable names (list[i] is one name) and number
// literals ("." and "," both mark decimals); the operators are + - * / and %
// (remainder of the truncated integer division). A lone operand gives its
// text unchanged, every arithmetic step a number in the general format.
// Division by zero and overflow raise EAppError with a Russian message.
#include <functional>
#include <string>
#include <string_view>

// The value of the variable an expression names.
using TVariableLookup = std::function<std::string(std::string_view name)>;

// The expression's value; "" for an empty expression. A misplaced token
// raises EAppError "Ошибка в выражении".
std::string EvaluateExpression(std::string_view expression, const TVariableLookup& lookup);
