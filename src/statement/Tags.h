#pragma once
// Tagged values inside a text such as the cash field: "<name>value", the
// value running to the next opening bracket or the end. Tags are found by
// their first occurrence, Latin letters compared without regard to case.
#include <string>
#include <string_view>

// The value after the tag, or `def` when the tag is not there. `brackets` is
// the opening and the closing character; any other length means "<>".
std::string GetTagValue(std::string_view text, std::string_view name, std::string_view def,
                        std::string_view brackets = "<>");

// The value read as a number with the decimal comma; `def` when it is none.
double GetTagFloat(std::string_view text, std::string_view name, std::string_view brackets,
                   double def);

// The value read as a 32-bit integer; `def` when it is none.
int GetTagInt(std::string_view text, std::string_view name, int def,
              std::string_view brackets = "<>");
