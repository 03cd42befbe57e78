#pragma once
// Windows-1251 <-> UTF-8. Every string of the program is Windows-1251 in
// memory; UTF-8 appears only where text crosses to Qt, the command line or a
// UTF-8 file. A character Windows-1251 cannot hold becomes "?", and invalid
// UTF-8 input decodes byte by byte to "?" too, so no input corrupts output.
#include <string>
#include <string_view>

// Windows-1251 bytes to UTF-8.
std::string Cp1251ToUtf8(std::string_view text);

// UTF-8 to Windows-1251; unrepresentable or malformed sequences become "?".
std::string Utf8ToCp1251(std::string_view text);

// The Unicode code point of one Windows-1251 byte.
char32_t Cp1251ToCodePoint(unsigned char byte);

// The Windows-1251 byte of a code point, or '?' when there is none.
char CodePointToCp1251(char32_t codePoint);
