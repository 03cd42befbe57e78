#pragma once
// report3 --statement: a stored statement printed without the windows, bound
// exactly as the main window's print of a listed statement binds it.
#include "report3/Report3Options.h"
#include "report3/Report3Setting.h"

#include <filesystem>

// Fills `options` (variables, margins, report code, template file) for the
// statement `options.StatementID` of the tables in `options.TablesDirectory`
// (or the setting's), with the earn sources of the setting's "Data.txt".
// Raises EAppError with a message naming what is missing: the statements
// file, the statement, the template.
void BindStatement(TReport3Options& options, const TReport3Setting& setting);
