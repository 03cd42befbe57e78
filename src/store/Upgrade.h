#pragma once
// Adding fields to the table of an older file: the table is rebuilt with the
// missing fields, its rows are copied (and numbered anew by the rebuilt ID),
// written to "migrate.xml", read back from there and written under its own
// name in the single-byte variant. "migrate.xml" stays beside it.
#include "store/FieldType.h"
#include "store/Table.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

struct TUpgradeFieldDef {
    std::string Name;
    TFieldType Type = TFieldType::String;
    int Size = 0;
};

// Rebuilds the table when it lacks one of the fields; false (nothing written)
// when every field is there. Files are written in `directory`.
bool UpgradeTable(TTable& table, const std::filesystem::path& directory, std::string_view fileName,
                  const std::vector<TUpgradeFieldDef>& defs);

// The program's list of upgrades, run on the statements table after loading.
bool UpgradeDatabase(TTable& documents, const std::filesystem::path& directory);
