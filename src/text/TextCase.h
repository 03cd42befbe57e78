#pragma once
// Upper- and lower-casing of Windows-1251 text, Latin and Cyrillic letters
// ("ё" and "Ё" included); every other byte stays as it is.
#include <string>
#include <string_view>

std::string UpperCaseCyr(std::string_view text);
std::string LowerCaseCyr(std::string_view text);
// One character lower-cased as LowerCaseCyr does.
char LowerCaseCyrChar(char c);
