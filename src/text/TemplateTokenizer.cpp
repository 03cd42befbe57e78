#include "text/TemplateTokenizer.h"

#include "text/CaretQuoted.h"
#include "text/CharClass.h"

#include "text/FormatSettings.h"

#include <optional>

namespace {

bool IsNameStart(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c >= 192;
}

bool IsNamePart(unsigned char c) {
    return IsNameStart(c) || (c >= '0' && c <= '9') || c == '.' || c == '[' || c == ']';
}

// The token of a one-character operator or punctuation mark.
std::optional<TTokenType> SingleCharToken(char c) {
    switch (c) {
    case '=':
        return TTokenType::Equal;
    case ';':
        return TTokenType::Semicolon;
    case ',':
        return TTokenType::Comma;
    case '+':
        return TTokenType::Plus;
    case '-':
        return TTokenType::Minus;
    case '*':
        return TTokenType::Multiply;
    case '/':
        return TTokenType::Divide;
    case '%':
        return TTokenType::Percent;
    case '>':
        return TTokenType::Greater;
    case '<':
        return TTokenType::Less;
    case '(':
        return TTokenType::OpenParen;
    case ')':
        return TTokenType::CloseParen;
    case '[':
        return TTokenType::OpenBracket;
    case ']':
        return TTokenType::CloseBracket;
    case '{':
        return TTokenType::OpenBrace;
    case '}':
        return TTokenType::CloseBrace;
    default:
        return std::nullopt;
    }
}

std::optional<TTokenType> TwoCharToken(char first, char second) {
    if (first == '>' && second == '=') {
        return TTokenType::GreaterEqual;
    }
    if (first == '<' && second == '=') {
        return TTokenType::LessEqual;
    }
    if (first == '<' && second == '>') {
        return TTokenType::NotEqual;
    }
    return std::nullopt;
}

bool IsOperatorChar(char c) {
    return c == '%' || c == '*' || c == '+' || c == '-' || c == '/' || c == '<' || c == '=' ||
           c == '>';
}

class TTokenizer {
public:
    explicit TTokenizer(std::string_view text) : text_(text) {}

    std::vector<TToken> Run() {
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            const auto u = static_cast<unsigned char>(c);
            if (c == '"') {
                ++pos_;
                ReadString();
            } else if (c == '#') {
                SkipLineComment();
            } else if (IsOperatorChar(c)) {
                ReadOperator();
            } else if (const auto type = SingleCharToken(c)) {
                tokens_.push_back({*type, std::string(1, c)});
                ++pos_;
            } else if (IsDigit(u)) {
                ReadNumber();
            } else if (IsNameStart(u)) {
                ReadName();
            } else {
                ++pos_;
            }
        }
        return std::move(tokens_);
    }

private:
    char Next() const { return pos_ + 1 < text_.size() ? text_[pos_ + 1] : '\0'; }

    void ReadOperator() {
        const char c = text_[pos_];
        const char next = Next();
        if (const auto type = TwoCharToken(c, next)) {
            tokens_.push_back({*type, std::string{c, next}});
            pos_ += 2;
        } else if (c == '/' && next == '*') {
            // Only the "/" goes: the "*" may already close the comment ("/*/").
            ++pos_;
            SkipBlockComment();
        } else {
            tokens_.push_back({*SingleCharToken(c), std::string(1, c)});
            ++pos_;
        }
    }

    void ReadString() { tokens_.push_back({TTokenType::String, ReadCaretQuoted(text_, pos_)}); }

    // A comment ends at a line break; a lone line feed counts too, for text
    // that did not come through the file reader's CR LF normalisation.
    void SkipLineComment() {
        while (pos_ < text_.size() && text_[pos_] != '\r' && text_[pos_] != '\n') {
            ++pos_;
        }
    }

    void SkipBlockComment() {
        while (pos_ < text_.size()) {
            if (text_[pos_] == '*' && Next() == '/') {
                pos_ += 2;
                return;
            }
            ++pos_;
        }
    }

    // Numbers are written with "." in templates and kept with the program's
    // decimal separator, as every other number in the program.
    void ReadNumber() {
        std::string text;
        for (; pos_ < text_.size(); ++pos_) {
            const char c = text_[pos_];
            if (IsDigit(static_cast<unsigned char>(c))) {
                text += c;
            } else if (c == '.') {
                text += AppFormatSettings().DecimalSeparator;
            } else {
                break;
            }
        }
        tokens_.push_back({TTokenType::Number, std::move(text)});
    }

    void ReadName() {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && IsNamePart(static_cast<unsigned char>(text_[pos_]))) {
            ++pos_;
        }
        tokens_.push_back({TTokenType::Name, std::string(text_.substr(start, pos_ - start))});
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::vector<TToken> tokens_;
};

} // namespace

std::vector<TToken> TokenizeTemplate(std::string_view text) {
    return TTokenizer(text).Run();
}
