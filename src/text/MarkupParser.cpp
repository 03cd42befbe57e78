// The page-text markup parser: one pass of a six-state machine over the bytes.
#include "text/Errors.h"
#include "text/Format.h"
#include "text/Markup.h"
#include "text/Numbers.h"

#include <algorithm>

namespace {

bool IsAttributeNameChar(unsigned char c) {
    return c == '-' || c == '.' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || c == '_' ||
           (c >= 'a' && c <= 'z') || c >= 192;
}

bool IsTagNameChar(unsigned char c) {
    return c == '?' || IsAttributeNameChar(c);
}

// Everything up to the end of a leading declaration such as an XML header.
std::string_view WithoutDeclaration(std::string_view text) {
    const std::size_t end = text.find("?>");
    return end == std::string_view::npos ? text : text.substr(end + 2);
}

class TMarkupParser {
public:
    explicit TMarkupParser(std::string_view text) : text_(text) {}

    std::unique_ptr<TNode> Parse() {
        auto top = std::make_unique<TNode>("root");
        top_ = top.get();
        current_ = top_;
        for (const char byte : text_) {
            const auto c = static_cast<unsigned char>(byte);
            const bool inValue = state_ == TState::Value || state_ == TState::Escape;
            Step(c);
            Advance(c, inValue);
        }
        return top;
    }

private:
    enum class TState { Between, TagName, Attributes, Value, Escape, Close };

    void Step(unsigned char c) {
        switch (state_) {
        case TState::Between:
            return Between(c);
        case TState::TagName:
            return TagName(c);
        case TState::Attributes:
            return Attributes(c);
        case TState::Value:
            return Value(c);
        case TState::Escape:
            value_ += static_cast<char>(c);
            state_ = TState::Value;
            return;
        case TState::Close:
            if (c != '>') {
                Fail("Ошибка в символе конца раздела");
            }
            state_ = TState::Between;
            return;
        }
    }

    void Between(unsigned char c) {
        if (c == '<') {
            tagName_.clear();
            state_ = TState::TagName;
        } else if (!IsBlank(c)) {
            Fail("Недопустимый символ: \"" + std::string(1, static_cast<char>(c)) + "\"");
        }
    }

    void TagName(unsigned char c) {
        if (IsTagNameChar(c)) {
            tagName_ += static_cast<char>(c);
        } else if (c == '\t' || c == '\r' || c == '\n') {
            // a tag name may be broken over lines
        } else if (c == ' ') {
            if (tagName_.empty()) {
                Fail("Пробел перед названием раздела недопустим");
            }
            OpenElement();
            attributeName_.clear();
            value_.clear();
            state_ = TState::Attributes;
        } else if (c == '/') {
            if (!tagName_.empty()) {
                current_ = &current_->AddChild(tagName_);
            }
            CloseElement();
        } else if (c == '>') {
            if (!tagName_.empty()) {
                OpenElement();
            }
            state_ = TState::Between;
        } else {
            FailOnChar(c);
        }
    }

    void Attributes(unsigned char c) {
        if (IsAttributeNameChar(c)) {
            attributeName_ += static_cast<char>(c);
        } else if (c == '"') {
            state_ = TState::Value;
        } else if (c == '/') {
            if (current_->Parent() == nullptr) {
                Fail("Недопустимый символ закрытия раздела");
            }
            CloseElement();
        } else if (c == '>') {
            tagName_.clear();
            state_ = TState::Between;
        } else if (!IsBlank(c) && c != '=') {
            FailOnChar(c);
        }
    }

    void Value(unsigned char c) {
        if (c == '"') {
            current_->AddItem(attributeName_, UnescapeMarkup(value_));
            attributeName_.clear();
            value_.clear();
            state_ = TState::Attributes;
        } else if (c == '\\') {
            state_ = TState::Escape;
        } else {
            value_ += static_cast<char>(c);
        }
    }

    // The outermost "root" tag stands for the top node itself.
    void OpenElement() {
        if (current_ != top_ || tagName_ != "root") {
            current_ = &current_->AddChild(tagName_);
        }
    }

    void CloseElement() {
        if (current_->Parent() != nullptr) {
            current_ = current_->Parent();
        }
        state_ = TState::Close;
    }

    static bool IsBlank(unsigned char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

    // Counts the character just examined. Inside a value every byte is one
    // column, line breaks included.
    void Advance(unsigned char c, bool inValue) {
        if (inValue) {
            ++column_;
        } else if (c == '\r') {
            ++line_;
            column_ = 1;
        } else if (c == '\t') {
            column_ += 4;
        } else if (c != '\n') {
            ++column_;
        }
    }

    [[noreturn]] void FailOnChar(unsigned char c) {
        Fail("Недопустимый символ \"" + std::string(1, static_cast<char>(c)) + "\"");
    }

    [[noreturn]] void Fail(const std::string& message) {
        throw EParseError(Format("стр %d, смв %d: ", {line_, column_}) + message);
    }

    std::string_view text_;
    TNode* top_ = nullptr;
    TNode* current_ = nullptr;
    TState state_ = TState::Between;
    std::string tagName_;
    std::string attributeName_;
    std::string value_;
    long long line_ = 1;
    long long column_ = 1;
};

} // namespace

std::unique_ptr<TNode> ParseMarkup(std::string_view text) {
    return TMarkupParser(WithoutDeclaration(text)).Parse();
}

namespace {

// The byte an entity stands for; nothing for an unknown name.
void AppendEntity(std::string& out, std::string_view name) {
    if (name == "quot") {
        out += '"';
    } else if (name == "apos") {
        out += '\'';
    } else if (name == "amp") {
        out += '&';
    } else if (name == "lt") {
        out += '<';
    } else if (name == "gt") {
        out += '>';
    } else if (!name.empty() && name[0] == '#') {
        // "#x41": the digits after "#" and the one letter, at most four of them
        const std::string_view digits = name.size() > 2 ? name.substr(2, 4) : std::string_view();
        out += static_cast<char>(HexToInt(digits) & 0xFF);
    }
}

} // namespace

std::string UnescapeMarkup(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t amp = text.find('&', i);
        if (amp == std::string_view::npos) {
            out.append(text.substr(i));
            break;
        }
        out.append(text.substr(i, amp - i));
        const std::size_t end = std::min(text.find(';', amp + 1), text.size());
        AppendEntity(out, text.substr(amp + 1, end - amp - 1));
        i = end + 1;
    }
    return out;
}
