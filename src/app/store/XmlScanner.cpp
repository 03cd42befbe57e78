#include "app/store/XmlScanner.h"

#include "text/Cp1251.h"

#include <cstring>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool EndsName(char c) {
    return IsBlank(c) || c == '/' || c == '>' || c == '=' || c == '?';
}

// One UTF-8 sequence at text[i] (i advanced past it); 0xFFFFFFFF when invalid.
char32_t DecodeUtf8(std::string_view text, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    int length = 0;
    char32_t cp = 0;
    char32_t min = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, cp = lead & 0x1F, min = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, cp = lead & 0x0F, min = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, cp = lead & 0x07, min = 0x10000;
    } else {
        return 0xFFFFFFFF;
    }
    if (text.size() - i < static_cast<std::size_t>(length)) {
        return 0xFFFFFFFF;
    }
    for (int k = 1; k < length; ++k) {
        const auto c = static_cast<unsigned char>(text[i + k]);
        if ((c & 0xC0) != 0x80) {
            return 0xFFFFFFFF;
        }
        cp = (cp << 6) | (c & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        return 0xFFFFFFFF;
    }
    i += length;
    return cp;
}

// The code point of a reference "&...;" starting at raw[i]; i advanced past it.
char32_t DecodeReference(std::string_view raw, std::size_t& i, std::size_t offset) {
    const std::size_t end = raw.find(';', i);
    if (end == std::string_view::npos || end - i > 12) {
        throw TXmlSyntaxError{offset + i, "an \"&\" that starts no reference"};
    }
    const std::string_view name = raw.substr(i + 1, end - i - 1);
    const std::size_t at = i;
    i = end + 1;
    if (name == "lt") {
        return '<';
    }
    if (name == "gt") {
        return '>';
    }
    if (name == "amp") {
        return '&';
    }
    if (name == "apos") {
        return '\'';
    }
    if (name == "quot") {
        return '"';
    }
    if (name.size() >= 2 && name[0] == '#') {
        const bool hex = name[1] == 'x';
        const std::string_view digits = name.substr(hex ? 2 : 1);
        char32_t cp = 0;
        bool valid = !digits.empty();
        for (char c : digits) {
            int digit = -1;
            if (c >= '0' && c <= '9') {
                digit = c - '0';
            } else if (hex && c >= 'a' && c <= 'f') {
                digit = c - 'a' + 10;
            } else if (hex && c >= 'A' && c <= 'F') {
                digit = c - 'A' + 10;
            }
            if (digit < 0 || cp > 0x10FFFF) {
                valid = false;
                break;
            }
            cp = cp * (hex ? 16 : 10) + static_cast<char32_t>(digit);
        }
        if (valid && cp != 0 && cp <= 0x10FFFF) {
            return cp;
        }
    }
    throw TXmlSyntaxError{offset + at, "an unknown reference \"&" + std::string(name) + ";\""};
}

} // namespace

std::string_view DecodeAttributeValue(std::string_view raw, bool utf8, std::string& scratch,
                                      std::size_t offset) {
    std::size_t i = 0;
    for (; i < raw.size(); ++i) {
        const auto c = static_cast<unsigned char>(raw[i]);
        if (c == '&' || (utf8 && c >= 0x80)) {
            break;
        }
    }
    if (i == raw.size()) {
        return raw;
    }
    scratch.assign(raw.data(), i);
    while (i < raw.size()) {
        const auto c = static_cast<unsigned char>(raw[i]);
        if (c == '&') {
            scratch += CodePointToCp1251(DecodeReference(raw, i, offset));
        } else if (utf8 && c >= 0x80) {
            const std::size_t at = i;
            const char32_t cp = DecodeUtf8(raw, i);
            if (cp == 0xFFFFFFFF) {
                throw TXmlSyntaxError{offset + at, "invalid UTF-8"};
            }
            scratch += CodePointToCp1251(cp);
        } else {
            scratch += static_cast<char>(c);
            ++i;
        }
    }
    return scratch;
}

void TXmlScanner::Fail(std::size_t offset, std::string message) const {
    throw TXmlSyntaxError{offset, std::move(message)};
}

void TXmlScanner::SkipBlanks() {
    while (pos_ < text_.size() && IsBlank(text_[pos_])) {
        ++pos_;
    }
}

void TXmlScanner::SkipPast(std::string_view terminator, const char* what) {
    const std::size_t end = text_.find(terminator, pos_);
    if (end == std::string_view::npos) {
        Fail(tokenStart_, std::string("an unterminated ") + what);
    }
    pos_ = end + terminator.size();
}

std::string_view TXmlScanner::ReadName() {
    const std::size_t start = pos_;
    while (pos_ < text_.size() && !EndsName(text_[pos_])) {
        if (text_[pos_] == '<' || text_[pos_] == '"' || text_[pos_] == '\'') {
            Fail(pos_, "a name with a forbidden character");
        }
        ++pos_;
    }
    if (pos_ == start) {
        Fail(start, "a missing name");
    }
    return text_.substr(start, pos_ - start);
}

void TXmlScanner::ReadAttributes(bool declaration) {
    attributes_.clear();
    selfClosing_ = false;
    for (;;) {
        SkipBlanks();
        if (pos_ >= text_.size()) {
            Fail(tokenStart_, "an unterminated tag");
        }
        const char c = text_[pos_];
        if (declaration && c == '?') {
            if (pos_ + 1 >= text_.size() || text_[pos_ + 1] != '>') {
                Fail(pos_, "an unterminated XML declaration");
            }
            pos_ += 2;
            return;
        }
        if (!declaration && c == '>') {
            ++pos_;
            return;
        }
        if (!declaration && c == '/') {
            if (pos_ + 1 >= text_.size() || text_[pos_ + 1] != '>') {
                Fail(pos_, "a \"/\" not followed by \">\"");
            }
            pos_ += 2;
            selfClosing_ = true;
            return;
        }
        const std::string_view name = ReadName();
        SkipBlanks();
        if (pos_ >= text_.size() || text_[pos_] != '=') {
            Fail(pos_, "an attribute without a value");
        }
        ++pos_;
        SkipBlanks();
        if (pos_ >= text_.size() || (text_[pos_] != '"' && text_[pos_] != '\'')) {
            Fail(pos_, "an attribute value without quotes");
        }
        const char quote = text_[pos_++];
        const void* close = std::memchr(text_.data() + pos_, quote, text_.size() - pos_);
        if (close == nullptr) {
            Fail(pos_, "an unterminated attribute value");
        }
        const std::size_t end = static_cast<const char*>(close) - text_.data();
        const std::string_view raw = text_.substr(pos_, end - pos_);
        if (std::memchr(raw.data(), '<', raw.size()) != nullptr) {
            Fail(pos_, "a \"<\" inside an attribute value");
        }
        attributes_.push_back({name, raw});
        pos_ = end + 1;
    }
}

TXmlScanner::TToken TXmlScanner::Next() {
    for (;;) {
        SkipBlanks();
        tokenStart_ = pos_;
        if (pos_ >= text_.size()) {
            return TToken::Eof;
        }
        if (text_[pos_] != '<') {
            Fail(pos_, "text outside the tags");
        }
        const std::string_view rest = text_.substr(pos_);
        if (rest.starts_with("<?")) {
            pos_ += 2;
            const std::string_view target = ReadName();
            if (target == "xml") {
                if (declarationSeen_) {
                    Fail(tokenStart_, "an XML declaration that is not at the start");
                }
                declarationSeen_ = true;
                ReadAttributes(true);
                for (const auto& attribute : attributes_) {
                    if (attribute.Name == "encoding") {
                        encoding_ = attribute.Raw;
                    }
                }
            } else {
                SkipPast("?>", "processing instruction");
            }
            continue;
        }
        if (rest.starts_with("<!--")) {
            pos_ += 4;
            SkipPast("-->", "comment");
            continue;
        }
        if (rest.starts_with("<!")) {
            Fail(pos_, "a document type declaration or CDATA section");
        }
        declarationSeen_ = true;
        if (rest.starts_with("</")) {
            pos_ += 2;
            name_ = ReadName();
            SkipBlanks();
            if (pos_ >= text_.size() || text_[pos_] != '>') {
                Fail(pos_, "an unterminated end tag");
            }
            ++pos_;
            return TToken::End;
        }
        ++pos_;
        name_ = ReadName();
        ReadAttributes(false);
        return TToken::Start;
    }
}

void TXmlScanner::SkipElement() {
    if (selfClosing_) {
        return;
    }
    // Iterative, so that deep nesting cannot exhaust the stack.
    std::vector<std::string_view> open{name_};
    while (!open.empty()) {
        const TToken token = Next();
        if (token == TToken::Eof) {
            Fail(tokenStart_, "a missing end tag </" + std::string(open.back()) + ">");
        }
        if (token == TToken::Start && !selfClosing_) {
            open.push_back(name_);
        } else if (token == TToken::End) {
            if (name_ != open.back()) {
                Fail(tokenStart_, "an end tag </" + std::string(name_) + "> where </" +
                                      std::string(open.back()) + "> belongs");
            }
            open.pop_back();
        }
    }
}
