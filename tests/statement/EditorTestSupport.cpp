#include "EditorTestSupport.h"

#include "text/FormatSettings.h"

namespace {

std::int64_t AddRecord(TTable& table, std::string_view name, std::string_view field,
                       std::string_view value) {
    table.Append();
    table.FieldByName("Name").SetString(name);
    table.FieldByName("Deleted").SetInteger(0);
    if (!field.empty()) {
        table.FieldByName(field).SetString(value);
    }
    table.Post();
    return table.FieldByName("ID").AsInteger();
}

} // namespace

void EditorStore::SetUp() {
    ApplyMainWindowFormatSettings();
    ASSERT_TRUE(store_.Open().empty());
}

void EditorStore::TearDown() {
    InitFormatSettings();
}

std::int64_t EditorStore::AddFirm(std::string_view name, std::string_view inn) {
    return AddRecord(store_.Firms(), name, inn.empty() ? "" : "INN", inn);
}

std::int64_t EditorStore::AddBank(std::string_view name, std::string_view bik) {
    return AddRecord(store_.Banks(), name, bik.empty() ? "" : "BIK", bik);
}

void EditorStore::SetField(TTable& table, std::int64_t id, const char* field,
                           std::string_view value) {
    ASSERT_TRUE(table.Locate(id));
    table.Edit();
    table.FieldByName(field).SetString(value);
    table.Post();
}

void EditorStore::MarkDeleted(TTable& table, std::int64_t id) {
    ASSERT_TRUE(table.Locate(id));
    table.Edit();
    table.FieldByName("Deleted").SetInteger(1);
    table.Post();
}

void EditorStore::AddParties() {
    payer_ = AddFirm("Плательщик");
    receiver_ = AddFirm("Получатель", "7707083893");
    bankA_ = AddBank("Банк А", "044525225");
    bankB_ = AddBank("Банк Б", "044525000");
}
