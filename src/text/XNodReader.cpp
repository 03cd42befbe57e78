#include "text/XNodReader.h"

#include "text/Errors.h"
#include "text/Format.h"
#include "text/XNod.h"

#include <string>

namespace {

// A single pass over the text with the position, line and column the error
// messages report. Lines are counted by carriage returns; line feeds are
// passed over, so CR LF and CR texts count alike.
class Reader {
public:
    Reader(TXNod& target, std::string_view text, std::string_view fileName)
        : target_(target), current_(&target), text_(text), fileName_(fileName) {}

    void Run() {
        while (!AtEnd()) {
            if (Peek() == '}') {
                ReadControl();
                Skip();
                // Only the sections opened by this text may be closed by it.
                if (current_ == &target_)
                    Fail("Лишняя закрывающая скобка \"}\"");
                current_ = current_->Parent();
                continue;
            }
            Skip();
            // Two characters cannot hold an item.
            if (pos_ + 2 >= text_.size())
                return;
            const std::string name = ReadName();
            Skip();
            if (AtEnd())
                return;
            const char control = ReadControl();
            Skip();
            if (AtEnd())
                return;
            if (control == '=') {
                const std::string raw = ReadValue();
                Skip();
                current_->SetAttribute(name, TXNod::UnescapeValue(raw));
            } else if (control == '{') {
                current_ = &current_->AddSection(name);
            } else if (pos_ + 1 != text_.size()) {
                Fail("Недопустимый символ");
            }
        }
    }

private:
    bool AtEnd() const { return pos_ >= text_.size(); }
    char Peek() const { return text_[pos_]; }

    void Take() {
        ++pos_;
        ++column_;
    }

    [[noreturn]] void Fail(std::string_view message) const {
        std::string prefix =
            fileName_.empty()
                ? Format("Ошибка обработки выражения в строке %d символ %d: ", {line_, column_})
                : Format("Файл \"%s\" строка %d символ %d: ", {fileName_, line_, column_});
        throw EParseError(prefix.append(message));
    }

    // Blanks, line breaks and comments ("#" or "//" to the end of the line).
    void Skip() {
        while (!AtEnd()) {
            const char c = Peek();
            if (c == '#' || (c == '/' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '/')) {
                while (!AtEnd() && Peek() != '\r' && Peek() != '\n')
                    ++pos_;
            } else if (c == ' ') {
                Take();
            } else if (c == '\t') {
                ++pos_;
                column_ += 8;
            } else if (c == '\r') {
                ++pos_;
                ++line_;
                column_ = 1;
            } else if (c == '\n') {
                ++pos_;
            } else {
                return;
            }
        }
    }

    std::string ReadName() {
        if (AtEnd())
            Fail("Неожиданный конец файла при чтении имени раздела");
        // A quoted name is one the writer could not write bare.
        if (Peek() == '\'')
            return TXNod::UnescapeValue(ReadValue());
        const std::size_t start = pos_;
        while (!AtEnd() && TXNod::IsNameChar(Peek()))
            Take();
        if (pos_ == start)
            Fail("Требуется имя параметра или раздела");
        return std::string(text_.substr(start, pos_ - start));
    }

    char ReadControl() {
        if (AtEnd())
            Fail("Неожиданный конец файла при чтении управляющего символа");
        const char c = Peek();
        if (c != '=' && c != '{' && c != '}')
            Fail("Недопустимый символ");
        Take();
        return c;
    }

    // The raw value, escapes still in it. A quote that no backslash escapes
    // ends a quoted and an unquoted value alike and is dropped; an unquoted
    // value also ends at a blank or a line break.
    std::string ReadValue() {
        if (AtEnd())
            Fail("Неожиданный конец файла при чтении значения");
        const bool quoted = Peek() == '\'';
        if (quoted)
            ++pos_;
        std::string raw;
        bool escaped = false;
        while (!AtEnd()) {
            const char c = Peek();
            if (!escaped && c == '\'') {
                Take();
                break;
            }
            if (!escaped && !quoted && (c == ' ' || c == '\t' || c == '\r' || c == '\n'))
                break;
            escaped = !escaped && c == '\\';
            raw += c;
            Take();
        }
        if (!quoted && raw.empty())
            Fail("Требуется значение");
        return raw;
    }

    TXNod& target_;
    TXNod* current_;
    std::string_view text_;
    std::string_view fileName_;
    std::size_t pos_ = 0;
    long long line_ = 1;
    long long column_ = 1;
};

} // namespace

void ReadXNodText(TXNod& target, std::string_view text, std::string_view fileName) {
    Reader(target, text, fileName).Run();
}
