#include "store/XmlScanner.h"
#include "store/LatinCase.h"

#include "text/Cp1251.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace {

// Byte classes for the scanning loops, which run over every byte of a file.
enum : unsigned char {
    kEndsName = 1,  // blank / > = ?
    kBadInName = 2, // < " ' & ;
    kEndsValue = 4, // " ' < & NUL
};

constexpr std::array<unsigned char, 256> MakeClasses() {
    std::array<unsigned char, 256> classes{};
    for (unsigned char c : {' ', '\t', '\r', '\n', '/', '>', '=', '?'}) {
        classes[c] |= kEndsName;
    }
    for (unsigned char c : {'<', '"', '\''}) {
        classes[c] |= kBadInName | kEndsValue;
    }
    classes['&'] |= kBadInName | kEndsValue;
    classes[0] |= kEndsValue;
    classes[';'] |= kBadInName;
    return classes;
}

constexpr std::array<unsigned char, 256> kClasses = MakeClasses();

// The first position from `i` on whose byte has one of the classes, or the end.
template <unsigned char mask> std::size_t FindClass(std::string_view text, std::size_t i) {
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t n = text.size();
    for (; i + 4 <= n; i += 4) {
        if (kClasses[p[i]] & mask) {
            return i;
        }
        if (kClasses[p[i + 1]] & mask) {
            return i + 1;
        }
        if (kClasses[p[i + 2]] & mask) {
            return i + 2;
        }
        if (kClasses[p[i + 3]] & mask) {
            return i + 3;
        }
    }
    while (i < n && !(kClasses[p[i]] & mask)) {
        ++i;
    }
    return i;
}

// The four bytes at p as one word, to compare with another.
std::uint32_t WordAt(const char* p) {
    std::uint32_t word;
    std::memcpy(&word, p, sizeof word);
    return word;
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
char32_t DecodeReference(std::string_view raw, std::size_t& i) {
    // The longest reference is "&#x10FFFF;"; look no further for its end.
    const std::size_t length = raw.substr(i, 12).find(';');
    const std::size_t end = i + length;
    if (length == std::string_view::npos) {
        throw TXmlSyntaxError{i, "an \"&\" that starts no reference"};
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
    throw TXmlSyntaxError{at, "an unknown reference \"&" + std::string(name) + ";\""};
}

} // namespace

void TXmlScanner::ConvertRestFromUtf8() {
    const std::string_view source = text_;
    char* out = text_.data();
    std::size_t written = pos_;
    std::size_t i = pos_;
    while (i < source.size()) {
        // Runs of ASCII are moved eight bytes at a time.
        std::size_t run = i;
        while (run + 8 <= source.size()) {
            std::uint64_t word;
            std::memcpy(&word, source.data() + run, 8);
            if ((word & 0x8080808080808080ull) != 0) {
                break;
            }
            run += 8;
        }
        while (run < source.size() && static_cast<unsigned char>(source[run]) < 0x80) {
            ++run;
        }
        // Between the letters of a word the runs are short or empty, and
        // a call to move them would cost more than the bytes.
        if (written == i) {
            written = run; // nothing converted yet: the bytes are in place
        } else if (run - i < 16) {
            for (std::size_t k = i; k < run; ++k) {
                out[written++] = source[k];
            }
        } else {
            std::memmove(out + written, source.data() + i, run - i);
            written += run - i;
        }
        i = run;
        if (i < source.size()) {
            const char32_t cp = DecodeUtf8(source, i);
            if (cp == 0xFFFFFFFF) {
                // The offset counts in the text converted so far, which keeps its lines.
                text_.resize(written);
                Fail(written, "invalid UTF-8");
            }
            out[written++] = CodePointToCp1251(cp);
        }
    }
    text_.resize(written);
}

void TXmlScanner::ReadPrologue() {
    bool utf8 = std::string_view(text_).starts_with("\xEF\xBB\xBF");
    if (utf8) {
        pos_ = 3;
    }
    if (std::string_view(text_).substr(pos_).starts_with("<?xml")) {
        tokenStart_ = pos_;
        pos_ += 5;
        ReadAttributes(true);
        for (const auto& attribute : attributes_) {
            utf8 = utf8 ||
                   (attribute.Name == "encoding" && EqualLatinNoCase(attribute.Value, "UTF-8"));
        }
    }
    if (utf8) {
        ConvertRestFromUtf8();
    }
}

void TXmlScanner::Fail(std::size_t offset, std::string message) const {
    throw TXmlSyntaxError{offset, std::move(message)};
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
    pos_ = FindClass<kEndsName | kBadInName>(text_, pos_);
    if (pos_ < text_.size() && (kClasses[static_cast<unsigned char>(text_[pos_])] & kBadInName)) {
        Fail(pos_, "a name with a forbidden character");
    }
    if (pos_ == start) {
        Fail(start, "a missing name");
    }
    return std::string_view(text_).substr(start, pos_ - start);
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
        const std::string_view value = ReadValue();
        attributes_.push_back({name, value});
    }
}

std::string_view TXmlScanner::ReadValue() {
    if (pos_ >= text_.size() || (text_[pos_] != '"' && text_[pos_] != '\'')) {
        Fail(pos_, "an attribute value without quotes");
    }
    const char quote = text_[pos_++];
    const std::size_t start = pos_;
    const std::size_t size = text_.size();
    char* data = text_.data();
    // Most values hold nothing to replace: find their end fast. The positions
    // are locals: a member could alias the bytes written and be reloaded per byte.
    std::size_t i = FindClass<kEndsValue>(text_, pos_);
    std::size_t written = i; // decoded text is never longer than its source
    // The writer's own "&lt;" and "&gt;" fill the cash field: they are read
    // first, as whole words, before the rarer cases are told apart.
    const std::uint32_t lt = WordAt("&lt;");
    const std::uint32_t gt = WordAt("&gt;");
    for (;;) {
        // data[size] is the string's terminating NUL, which ends the plain run too.
        const char c = data[i];
        if (!(kClasses[static_cast<unsigned char>(c)] & kEndsValue)) {
            data[written++] = c;
            ++i;
        } else if (const std::uint32_t word = size - i >= 4 ? WordAt(data + i) : 0;
                   word == lt || word == gt) {
            data[written++] = word == lt ? '<' : '>';
            i += 4;
        } else if (c == quote) {
            break;
        } else if (i >= size) {
            Fail(start, "an unterminated attribute value");
        } else if (c == '<') {
            Fail(i, "a \"<\" inside an attribute value");
        } else if (c != '&') {
            data[written++] = c; // the other quote or a NUL byte
            ++i;
        } else {
            data[written++] = CodePointToCp1251(DecodeReference(text_, i));
        }
    }
    pos_ = i + 1;
    return std::string_view(data + start, written - start);
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
        const std::string_view rest = std::string_view(text_).substr(pos_);
        if (rest.starts_with("<?")) {
            pos_ += 2;
            if (ReadName() == "xml") {
                Fail(tokenStart_, "an XML declaration that is not at the start");
            }
            SkipPast("?>", "processing instruction");
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
