#include "report/ExpressionEvaluator.h"

#include "text/CaretQuoted.h"
#include "text/CharClass.h"

#include "report/NumberText.h"
#include "text/Errors.h"
#include "text/FormatSettings.h"

#include <cmath>
#include <cstdint>

namespace {

enum class TExprTokenKind { Name, Number, String, Operator, Punctuation };

struct TExprToken {
    TExprTokenKind Kind;
    std::string Text;
};

bool IsLatinLetter(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsNameStart(unsigned char c) {
    return IsLatinLetter(c) || c == '_' || c >= 192;
}
bool IsNamePart(unsigned char c) {
    return IsNameStart(c) || IsDigit(c) || c == '.' || c == '[' || c == ']';
}

// Splits an expression into tokens one at a time; characters that belong to
// no token (blanks, "<", a "." outside a number) are skipped.
class TExpressionLexer {
public:
    explicit TExpressionLexer(std::string_view text) : text_(text) {}

    bool Next(TExprToken& token) {
        while (pos_ < text_.size()) {
            const unsigned char c = text_[pos_];
            if (IsNameStart(c)) {
                token = {TExprTokenKind::Name, Take(IsNamePart)};
                return true;
            }
            if (IsDigit(c)) {
                token = {TExprTokenKind::Number, TakeNumber()};
                return true;
            }
            if (c == '"') {
                token = {TExprTokenKind::String, TakeString()};
                return true;
            }
            ++pos_;
            if (std::string_view("+-*/%=").find(c) != std::string_view::npos) {
                token = {TExprTokenKind::Operator, std::string(1, c)};
                return true;
            }
            if (std::string_view("(),;[]{}").find(c) != std::string_view::npos) {
                token = {TExprTokenKind::Punctuation, std::string(1, c)};
                return true;
            }
        }
        return false;
    }

private:
    std::string Take(bool (*belongs)(unsigned char)) {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && belongs(text_[pos_]))
            ++pos_;
        return std::string(text_.substr(start, pos_ - start));
    }

    std::string TakeNumber() {
        const char separator = AppFormatSettings().DecimalSeparator;
        std::string number;
        for (; pos_ < text_.size(); ++pos_) {
            const char c = text_[pos_];
            if (IsDigit(c))
                number += c;
            else if (c == '.' || c == separator)
                number += separator;
            else
                break;
        }
        return number;
    }

    std::string TakeString() {
        ++pos_;
        return ReadCaretQuoted(text_, pos_);
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

[[noreturn]] void RaiseSyntaxError() {
    throw EAppError("Ошибка в выражении");
}

[[noreturn]] void RaiseDivisionByZero(std::string_view expression) {
    throw EAppError("Деление на ноль в выражении \"" + std::string(expression) + "\"");
}

std::string OperandValue(const TExprToken& token, const TVariableLookup& lookup) {
    if (token.Kind == TExprTokenKind::Name)
        return lookup(token.Text);
    if (token.Kind == TExprTokenKind::Number)
        return token.Text;
    RaiseSyntaxError();
}

// The remainder with the sign of the left side. A literal divisor nudges both
// sides up by 0.0001 first, so that 0,9999999 % 1 counts as 1 % 1.
std::string Remainder(double left, double right, bool literal, std::string_view expression) {
    const double nudge = literal ? 0.0001 : 0.0;
    const std::int64_t dividend = ToInt64Checked(std::trunc(left + nudge));
    const std::int64_t divisor = ToInt64Checked(std::trunc(right + nudge));
    if (divisor == 0)
        RaiseDivisionByZero(expression);
    // -2^63 % -1 overflows in the machine; the remainder is 0 anyway.
    return IntToText(divisor == -1 ? 0 : dividend % divisor);
}

std::string Apply(char op, const std::string& result, const TExprToken& operand,
                  const std::string& operandValue, std::string_view expression) {
    const double left = ReadNumber(result);
    const double right = ReadNumber(operandValue);
    switch (op) {
    case '+':
        return NumberToText(left + right);
    case '-':
        return NumberToText(left - right);
    case '*':
        return NumberToText(left * right);
    case '/':
        if (right == 0.0)
            RaiseDivisionByZero(expression);
        return NumberToText(left / right);
    default:
        return Remainder(left, right, operand.Kind == TExprTokenKind::Number, expression);
    }
}

bool IsArithmetic(const TExprToken& token) {
    return token.Kind == TExprTokenKind::Operator && token.Text != "=";
}

} // namespace

std::string EvaluateExpression(std::string_view expression, const TVariableLookup& lookup) {
    TExpressionLexer lexer(expression);
    TExprToken token;
    if (!lexer.Next(token))
        return "";
    std::string result = OperandValue(token, lookup);
    while (lexer.Next(token)) {
        if (!IsArithmetic(token))
            RaiseSyntaxError();
        const char op = token.Text[0];
        if (!lexer.Next(token))
            break; // a trailing operator keeps the result so far
        const std::string value = OperandValue(token, lookup);
        result = Apply(op, result, token, value, expression);
    }
    return result;
}
