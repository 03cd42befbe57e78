#pragma once
// Reading a table file: either variant (UTF-8 when the file starts with a
// byte order mark or its declaration says encoding="UTF-8"), attributes in any
// order, whitespace, comments and unknown elements between the known ones.
//
// What the reader refuses, with a message naming the file, the line and the
// problem: broken XML, a document that is no data packet, a FIELD without
// attrname or fieldtype, an unknown or nested field type, a value that is no
// value of its field's type, a ROW attribute that names no field, a repeated
// field or ID, more than 1024 fields, invalid UTF-8 in a UTF-8 file, and rows
// that carry change states (RowState, CHANGE_LOG, DATASET_DELTA): such a file
// was saved by another tool in the middle of an edit, and guessing which
// version of a row holds is worse than asking for a clean file.
//
// What it tolerates: a missing AUTOINCVALUE, or one not above every ID, is
// raised to the highest ID plus one so that no ID is ever given twice; texts
// longer than their field's width are kept whole; characters that Windows-1251
// cannot hold become "?".
#include "store/Table.h"

#include <string_view>

// Fills an empty, closed table from the bytes of a table file; the bytes of
// a UTF-8 file are converted to Windows-1251 in place. Values are decoded in
// place too, and the table's text values point into the bytes: they must
// outlive the table's rows.
void ParseTable(std::string& bytes, std::string_view fileName, TTable& table);
