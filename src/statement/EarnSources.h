#pragma once
// The earn-source list: the children of the section "Источники" of the
// earn-source tree, in order, each with "Наименование" and "Символ". A
// source's number is its position; the child's name is not used to find it.
#include "statement/Statement.h"
#include "text/XNod.h"

#include <string>
#include <string_view>
#include <vector>

struct TEarnSource {
    std::string Symbol;
    std::string Name;
};

// The list, after creating the section when it is missing and seeding
// "Торговая выручка" (symbol "02") when it has no children.
std::vector<TEarnSource> BuildEarnSourceList(TXNod& root);

// Makes the statement's source rows those of the list, in order: the
// amounts stay with their rows, rows beyond the list go and the current
// source stays within it.
void ApplyEarnSources(const std::vector<TEarnSource>& list, TStatement& statement);

// The text the editor shows for a source: "02. Торговая выручка".
std::string EarnSourceCaption(const TEarnSource& source);

// Appends a source named by the number of sources plus one.
void AddEarnSource(TXNod& root, std::string_view name, std::string_view symbol);

// Changes the source at a 0-based position; nothing when there is none.
void ChangeEarnSource(TXNod& root, int index, std::string_view name, std::string_view symbol);

// Deletes the source at a 0-based position; false when there is none.
bool DeleteEarnSource(TXNod& root, int index);

// A symbol is one to three decimal digits and not zero.
bool IsValidEarnSourceSymbol(std::string_view symbol);

// Characters a source name may not hold: & ' < > ^ ~
bool HasForbiddenNameCharacter(std::string_view name);
