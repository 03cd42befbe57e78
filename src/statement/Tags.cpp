#include "statement/Tags.h"

#include "store/LatinCase.h"

#include "text/Numbers.h"

#include <cstdint>
#include <limits>

namespace {

std::size_t FindNoCase(std::string_view text, std::string_view tag) {
    if (tag.size() > text.size()) {
        return std::string_view::npos;
    }
    for (std::size_t i = 0; i + tag.size() <= text.size(); ++i) {
        std::size_t k = 0;
        while (k < tag.size() && LowerLatin(text[i + k]) == LowerLatin(tag[k])) {
            ++k;
        }
        if (k == tag.size()) {
            return i;
        }
    }
    return std::string_view::npos;
}

} // namespace

std::string GetTagValue(std::string_view text, std::string_view name, std::string_view def,
                        std::string_view brackets) {
    if (brackets.size() != 2) {
        brackets = "<>";
    }
    std::string tag;
    tag.reserve(name.size() + 2);
    tag += brackets[0];
    tag += name;
    tag += brackets[1];
    const std::size_t at = FindNoCase(text, tag);
    if (at == std::string_view::npos) {
        return std::string(def);
    }
    const std::string_view rest = text.substr(at + tag.size());
    return std::string(rest.substr(0, rest.find(brackets[0])));
}

double GetTagFloat(std::string_view text, std::string_view name, std::string_view brackets,
                   double def) {
    return TextToFloatDef(GetTagValue(text, name, {}, brackets), def);
}

int GetTagInt(std::string_view text, std::string_view name, int def, std::string_view brackets) {
    const auto value = TextToInt(GetTagValue(text, name, {}, brackets));
    if (!value || *value < std::numeric_limits<std::int32_t>::min() ||
        *value > std::numeric_limits<std::int32_t>::max()) {
        return def;
    }
    return static_cast<int>(*value);
}
