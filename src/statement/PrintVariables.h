#pragma once
// The report variables of one statement, in the order they are set: the
// date as a day number, bag, sum and sum in words, the names of the firms
// and banks, field 39, the receiving firm's and the banks' numbers, count
// and sum of every denomination, symbol and amount of every used earn
// source, and the names of the used sources. A firm or bank whose ID is not
// found gives empty values.
#include "store/Table.h"
#include "statement/Statement.h"

#include <string>
#include <utility>
#include <vector>

using TVariableList = std::vector<std::pair<std::string, std::string>>;

TVariableList BuildPrintVariables(const TStatement& statement, const TTable& firms,
                                  const TTable& banks);
