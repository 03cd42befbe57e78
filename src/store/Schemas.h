#pragma once
// The field lists of the four tables, as a new, empty table file gets them.
#include "store/FieldDef.h"

#include <vector>

std::vector<TFieldDef> ConfigFieldDefs();
std::vector<TFieldDef> FirmsFieldDefs();
std::vector<TFieldDef> BanksFieldDefs();
std::vector<TFieldDef> DocumentsFieldDefs();
