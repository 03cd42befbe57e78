#pragma once
// A small pull scanner for the XML of table files: element starts with their
// raw attributes, element ends, and the end of the text. Comments, processing
// instructions and whitespace between elements are skipped; the XML
// declaration's encoding is kept. Document type declarations, CDATA and text
// content have no place in a table file and are refused.
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
    std::string_view Raw; // the value between the quotes, entities not yet replaced
};

class TXmlScanner {
public:
    enum class TToken { Start, End, Eof };

    TXmlScanner(std::string_view text, std::size_t start) : text_(text), pos_(start) {}

    TToken Next();
    std::string_view Name() const { return name_; }
    const std::vector<TXmlAttribute>& Attributes() const { return attributes_; }
    // The element just started has no content ("<X/>").
    bool SelfClosing() const { return selfClosing_; }
    // The encoding named by the XML declaration, if any.
    std::string_view Encoding() const { return encoding_; }
    std::size_t Offset() const { return tokenStart_; }
    std::string_view Text() const { return text_; }

    // Skips the content of the element just started, up to its end.
    void SkipElement();

    [[noreturn]] void Fail(std::size_t offset, std::string message) const;

private:
    void SkipBlanks();
    std::string_view ReadName();
    void ReadAttributes(bool declaration);
    void SkipPast(std::string_view terminator, const char* what);

    std::string_view text_;
    std::size_t pos_;
    std::size_t tokenStart_ = 0;
    std::string_view name_;
    std::string_view encoding_;
    std::vector<TXmlAttribute> attributes_;
    bool selfClosing_ = false;
    bool declarationSeen_ = false;
};

// Replaces the entity and character references of a raw attribute value and,
// for UTF-8 text, converts it to Windows-1251. Returns the raw text itself
// when nothing needs replacing, otherwise the text placed in `scratch`.
// Raises TXmlSyntaxError for an unknown reference or invalid UTF-8.
std::string_view DecodeAttributeValue(std::string_view raw, bool utf8, std::string& scratch,
                                      std::size_t offset);
