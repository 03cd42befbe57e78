#pragma once
// The reader of the section tree's text form, behind TXNod::LoadFromText.
#include <string_view>

class TXNod;

// Adds the sections and attributes of `text` to `target`; raises EParseError
// with the line and column where reading stopped, keeping what was read.
// `fileName` only names the text in the messages.
void ReadXNodText(TXNod& target, std::string_view text, std::string_view fileName);
