#pragma once
// The template statements that compute with report variables: the
// assignments "set", "setstr" and "add" and the function blocks (round,
// floor, frac, neg and the string functions). Each statement's items are its
// arguments as the template parser makes them: a bare name gives an item
// with that name, a literal one with that value, a comma one more item. A
// wrong item count raises EAppError with the statement's Russian message
// before any work is done.
#include "report/ReportVariables.h"

#include <string_view>

class TNode;

// Whether the lower-cased statement name is one of the computing statements.
bool IsComputingStatement(std::string_view lowerName);

// Runs the statement named `lowerName` (lower-cased) against the variables.
void RunComputingStatement(TReportVariables& variables, std::string_view lowerName,
                           const TNode& statement);
