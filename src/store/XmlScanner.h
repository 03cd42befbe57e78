#pragma once
// A small pull scanner for the XML of table files: element starts with their
// attributes, element ends, and the end of the text. Comments, processing
// instructions and whitespace between elements are skipped. Document type
// declarations, CDATA and text content have no place in a table file and are
// refused. Like the reader of any large XML file it works in place: values
// are decoded inside the text, and UTF-8 text is converted inside it.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// A syntax error at a byte offset of the text.
struct TXmlSyntaxError {
    std::size_t Offset;
    std::string Message;
};

struct TXmlAttribute {
    std::string_view Name;
    std::string_view Value; // references already replaced
};

inline bool IsXmlBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

class TXmlScanner {
public:
    enum class TToken { Start, End, Eof };

    // Scans the text, replacing references inside attribute values in place.
    explicit TXmlScanner(std::string& text) : text_(text) {}

    // Reads a byte order mark and the XML declaration, if they are there;
    // then, for UTF-8 text, converts the rest to Windows-1251 in place, so
    // that the scanner reads one encoding.
    void ReadPrologue();

    TToken Next();
    std::string_view Name() const { return name_; }
    const std::vector<TXmlAttribute>& Attributes() const { return attributes_; }
    // The element just started has no content ("<X/>").
    bool SelfClosing() const { return selfClosing_; }
    std::size_t Offset() const { return tokenStart_; }

    // Skips the content of the element just started, up to its end.
    void SkipElement();

    [[noreturn]] void Fail(std::size_t offset, std::string message) const;

private:
    // Runs around every attribute: inline, as the blanks are mostly none.
    void SkipBlanks() {
        while (pos_ < text_.size() && IsXmlBlank(text_[pos_])) {
            ++pos_;
        }
    }
    std::string_view ReadName();
    void ReadAttributes(bool declaration);
    std::string_view ReadValue();
    void SkipPast(std::string_view terminator, const char* what);
    void ConvertRestFromUtf8();

    std::string& text_;
    std::size_t pos_ = 0;
    std::size_t tokenStart_ = 0;
    std::string_view name_;
    std::vector<TXmlAttribute> attributes_;
    bool selfClosing_ = false;
};
