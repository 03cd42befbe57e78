#pragma once
// The first step of reading a template: its text as tokens.
#include "text/TemplateParser.h"

#include <string_view>
#include <vector>

// Names, numbers (with the program's decimal separator), strings (without
// quotes, "^" before a quote keeping it) and operators; blanks, comments and
// characters the language does not use produce nothing.
std::vector<TToken> TokenizeTemplate(std::string_view text);
