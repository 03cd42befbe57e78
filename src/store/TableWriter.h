#pragma once
// Writing a table file: the declaration of the variant, two blanks and the
// data packet on one line, no byte order mark. Values and names are escaped
// (< > & ' " CR LF tab and backslash) and, in the UTF-8 variant, converted
// from Windows-1251.
//
// A field name that is no XML name is written in "fieldname", and its
// "attrname" has each blank, "!", "#", "$", "%", "(", ")", "*" and "?" turned
// into "_" -- and so is every other character that would break the XML, so
// that the file always reads back. Two fields whose attribute names come out
// alike cannot be written, since their row values could not be told apart.
#include "store/Table.h"

#include <string>

// The bytes of the file; raises "Fieldname %s exceeds %d chars" for a name
// longer than a file holds.
std::string FormatTable(const TTable& table, TTableVariant variant);
