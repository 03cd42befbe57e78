// Values picked out of raw markup-like text without parsing it.
#include "text/Markup.h"
#include "text/Numbers.h"
#include "text/TextCase.h"

std::string TagValue(std::string_view text, std::string_view name, std::string_view def,
                     std::string_view brackets) {
    if (brackets.size() != 2) {
        brackets = "<>";
    }
    const std::string key =
        LowerCaseCyr(std::string(1, brackets[0]) + std::string(name) + std::string(1, brackets[1]));
    // Lower-casing keeps every byte in place, so positions carry over.
    const std::size_t found = LowerCaseCyr(text).find(key);
    if (found == std::string::npos) {
        return std::string(def);
    }
    const std::size_t start = text.find(brackets[1], found + 1) + 1;
    const std::size_t end = std::min(text.find(brackets[0], start), text.size());
    return std::string(text.substr(start, end - start));
}

double TagFloat(std::string_view text, std::string_view name, double def) {
    return TextToFloatDef(TagValue(text, name), def);
}

std::int64_t TagInteger(std::string_view text, std::string_view name, std::int64_t def) {
    return TextToIntDef(TagValue(text, name), def);
}

double NumberFromText(std::string_view text, double def) {
    const auto isNumberChar = [](char c) { return (c >= '0' && c <= '9') || c == ',' || c == '-'; };
    std::size_t start = 0;
    while (start < text.size() && !isNumberChar(text[start])) {
        ++start;
    }
    std::size_t end = start;
    while (end < text.size() && isNumberChar(text[end])) {
        ++end;
    }
    return TextToFloatDef(text.substr(start, end - start), def);
}
