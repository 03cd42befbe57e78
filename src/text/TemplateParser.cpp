// Building the statement tree from the template's tokens, and reading
// template files.
#include "text/TemplateParser.h"

#include "text/Errors.h"
#include "text/SafeFile.h"
#include "text/TemplateTokenizer.h"

// Blocks are taken apart one level at a time, so depth costs no stack.
TSentence::~TSentence() {
    std::vector<std::unique_ptr<TSentence>> pending = std::move(children_);
    while (!pending.empty()) {
        std::unique_ptr<TSentence> sentence = std::move(pending.back());
        pending.pop_back();
        for (auto& child : sentence->children_) {
            pending.push_back(std::move(child));
        }
        sentence->children_.clear();
    }
}

TSentence& TSentence::AddChild(std::string name) {
    children_.push_back(std::make_unique<TSentence>(std::move(name), this));
    return *children_.back();
}

namespace {

class TSentenceBuilder {
public:
    std::unique_ptr<TSentence> Run(const std::vector<TToken>& tokens) {
        auto top = std::make_unique<TSentence>("root");
        parent_ = top.get();
        for (const TToken& token : tokens) {
            Step(token);
        }
        return top;
    }

private:
    enum class TState { Start, AfterName, Args, AfterArgs, Assign };

    void Step(const TToken& token) {
        switch (state_) {
        case TState::Start:
            return Start(token);
        case TState::AfterName:
            return AfterName(token);
        case TState::Args:
            return Args(token);
        case TState::AfterArgs:
            return AfterArgs(token);
        case TState::Assign:
            return Assign(token);
        }
    }

    void Start(const TToken& token) {
        if (token.Type == TTokenType::CloseBrace) {
            if (parent_->Name == "root") {
                throw EParseError("Лишняя скобка \"}\"");
            }
            parent_ = parent_->Parent();
        } else if (token.Type == TTokenType::Name) {
            sentence_ = &parent_->AddChild({});
            pendingName_ = token.Text;
            state_ = TState::AfterName;
        } else {
            throw EParseError("Требуется название элемента");
        }
    }

    void AfterName(const TToken& token) {
        if (token.Type == TTokenType::OpenParen) {
            sentence_->Name = pendingName_;
            state_ = TState::Args;
        } else if (token.Type == TTokenType::Equal) {
            sentence_->Name = "set";
            sentence_->Tokens.push_back({TTokenType::Name, pendingName_});
            sentence_->Tokens.push_back({TTokenType::Equal, "="});
            state_ = TState::Assign;
        } else {
            throw EParseError("Требуется скобка или оператор присваивания");
        }
    }

    // ";", "{" and "}" cannot be arguments: a ")" is missing before them.
    void Args(const TToken& token) {
        switch (token.Type) {
        case TTokenType::CloseParen:
            state_ = TState::AfterArgs;
            return;
        case TTokenType::Semicolon:
        case TTokenType::OpenBrace:
        case TTokenType::CloseBrace:
            throw EParseError(sentence_->Name == "if" ? "Ошибка в операторе условия"
                                                      : "Ошибка в операции присваивания");
        default:
            sentence_->Tokens.push_back(token);
        }
    }

    void AfterArgs(const TToken& token) {
        if (token.Type == TTokenType::Semicolon) {
            state_ = TState::Start;
        } else if (token.Type == TTokenType::OpenBrace) {
            parent_ = sentence_;
            state_ = TState::Start;
        } else {
            throw EParseError("Требуется \"{\" или \";\"");
        }
    }

    void Assign(const TToken& token) {
        switch (token.Type) {
        case TTokenType::Semicolon:
            state_ = TState::Start;
            return;
        case TTokenType::Name:
        case TTokenType::Number:
        case TTokenType::String:
        case TTokenType::Plus:
        case TTokenType::Minus:
        case TTokenType::Multiply:
        case TTokenType::Divide:
        case TTokenType::Percent:
            sentence_->Tokens.push_back(token);
            return;
        default:
            throw EParseError("Ошибка в операции присваивания");
        }
    }

    TState state_ = TState::Start;
    TSentence* parent_ = nullptr;
    TSentence* sentence_ = nullptr;
    std::string pendingName_;
};

// Every line break (CR LF, LF or CR) becomes CR LF, and the last line gets one too.
std::string WithCrLfLines(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 16 + 2);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            text += "\r\n";
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
                ++i;
            }
        } else {
            text += c;
        }
    }
    if (!bytes.empty() && bytes.back() != '\r' && bytes.back() != '\n') {
        text += "\r\n";
    }
    return text;
}

} // namespace

std::unique_ptr<TSentence> ParseTemplateText(std::string_view text) {
    return TSentenceBuilder().Run(TokenizeTemplate(text));
}

std::unique_ptr<TSentence> ParseTemplateFile(const std::filesystem::path& fileName) {
    return ParseTemplateText(WithCrLfLines(ReadWholeFileOrRaise(fileName)));
}
