#include "store/Upgrade.h"

#include "text/Paths.h"

#include <algorithm>

namespace {

constexpr const char* kMigrateFile = "migrate.xml";

} // namespace

bool UpgradeTable(TTable& table, const std::filesystem::path& directory, std::string_view fileName,
                  const std::vector<TUpgradeFieldDef>& defs) {
    const bool needed = std::any_of(defs.begin(), defs.end(), [&](const TUpgradeFieldDef& def) {
        return table.FieldIndex(def.Name) < 0;
    });
    if (!needed) {
        return false;
    }

    // Name, type and size carry over; flags and other properties do not.
    TTable rebuilt;
    for (const TFieldDef& old : table.FieldDefs()) {
        rebuilt.AddFieldDef(MakeFieldDef(old.Name, old.Type, old.Size));
    }
    for (const TUpgradeFieldDef& def : defs) {
        if (rebuilt.FieldIndex(def.Name) < 0) {
            rebuilt.AddFieldDef(MakeFieldDef(def.Name, def.Type, def.Size));
        }
    }
    rebuilt.CreateDataSet();

    std::vector<int> source; // old field of each rebuilt field, or -1
    for (const TFieldDef& def : rebuilt.FieldDefs()) {
        source.push_back(table.FieldIndex(def.Name));
    }
    for (std::size_t r = 0; r < table.RecordCount(); ++r) {
        const TRowView row = table.Row(r);
        rebuilt.Append();
        for (std::size_t f = 0; f < source.size(); ++f) {
            if (source[f] >= 0) {
                TFieldRef(rebuilt, static_cast<int>(f)).SetValue(row[source[f]]);
            }
        }
        rebuilt.Post();
    }
    rebuilt.MergeChangeLog();
    rebuilt.SaveToFile(directory / kMigrateFile, TTableVariant::Utf8);

    table.ClearDefinitions();
    table.LoadFromFile(directory / kMigrateFile);
    table.SaveToFile(directory / PathFromText(fileName), TTableVariant::SingleByte);
    return true;
}

bool UpgradeDatabase(TTable& documents, const std::filesystem::path& directory) {
    return UpgradeTable(documents, directory, "Documents.xml",
                        {{"FIELD39", TFieldType::String, 200}});
}
