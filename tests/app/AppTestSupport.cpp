#include "AppTestSupport.h"

#include "text/DateTime.h"

namespace testing_support {

int AddNamed(TTable& table, const std::string& name, bool deleted) {
    table.Append();
    table.FieldByName("Name").SetString(name);
    if (deleted) {
        table.FieldByName("Deleted").SetInteger(1);
    }
    table.Post();
    return static_cast<int>(table.FieldByName("ID").AsInteger());
}

int AddDocument(TTable& documents, int year, int month, int day, int hour, int minute,
                const std::string& bag, int fromFirm, int toBank, double sum) {
    documents.Append();
    documents.FieldByName("Datetime").SetDateTime(*EncodeDateTime(year, month, day, hour, minute));
    documents.FieldByName("BagNumber").SetString(bag);
    documents.FieldByName("FromFirm").SetInteger(fromFirm);
    documents.FieldByName("ToBank").SetInteger(toBank);
    documents.FieldByName("CashSum").SetFloat(sum);
    documents.Post();
    return static_cast<int>(documents.FieldByName("ID").AsInteger());
}

void WriteSampleData(const TProgramDirs& dirs) {
    TStore store(dirs.Work.path(), dirs.Program.path());
    store.Open();
    AddNamed(store.Firms(), "Альфа");
    AddNamed(store.Firms(), "Бета", true);
    AddNamed(store.Banks(), "Сбербанк");
    AddDocument(store.Documents(), 2024, 3, 5, 9, 30, "A-1", 1, 1, 12345.6);
    AddDocument(store.Documents(), 2025, 1, 1, 0, 0, "B-2", 2, 0, 10);
    AddDocument(store.Documents(), 2025, 1, 2, 17, 5, "C-3", 99, 1, 0.5);
    store.SaveFirms();
    store.SaveBanks();
    store.SaveDocuments();
}

} // namespace testing_support
