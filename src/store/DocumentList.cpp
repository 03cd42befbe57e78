#include "store/DocumentList.h"

#include "store/FieldValue.h"
#include "text/DateTime.h"
#include "text/Format.h"

namespace {

// A text field of the record with the given ID in a table, or empty; always
// empty without a table.
class TNameLookup {
public:
    TNameLookup(const TTable* table, const char* field)
        : table_(table), field_(table ? table->FieldIndexOrThrow(field) : 0) {}

    std::string operator()(std::int64_t id) const {
        const auto row = table_ ? table_->FindRow(id) : std::nullopt;
        if (!row) {
            return {};
        }
        return ValueAsString(table_->FieldDefs()[field_], table_->Row(*row)[field_]);
    }

private:
    const TTable* table_;
    int field_;
};

} // namespace

std::vector<TDocumentListRow> BuildDocumentList(const TTable& documents, const TTable* firms,
                                                const TTable* banks) {
    const std::vector<TFieldDef>& defs = documents.FieldDefs();
    const int id = documents.FieldIndexOrThrow("ID");
    const int date = documents.FieldIndexOrThrow("Datetime");
    const int fromFirm = documents.FieldIndexOrThrow("FromFirm");
    const int toBank = documents.FieldIndexOrThrow("ToBank");
    const int bag = documents.FieldIndexOrThrow("BagNumber");
    const int sum = documents.FieldIndexOrThrow("CashSum");
    const TNameLookup firmName(firms, "Name");
    const TNameLookup bankName(banks, "Name");

    std::vector<TDocumentListRow> rows;
    rows.reserve(documents.RecordCount());
    for (std::size_t r = 0; r < documents.RecordCount(); ++r) {
        const TRowView row = documents.Row(r);
        TDocumentListRow& out = rows.emplace_back();
        out.ID = ValueAsInteger(defs[id], row[id]);
        out.Date = FormatDateTime("dd.mm.yyyy   t", ValueAsFloat(defs[date], row[date]));
        out.FirmName = firmName(ValueAsInteger(defs[fromFirm], row[fromFirm]));
        out.BankName = bankName(ValueAsInteger(defs[toBank], row[toBank]));
        out.BagNumber = ValueAsString(defs[bag], row[bag]);
        out.Sum = Format("%.2n", {ValueAsFloat(defs[sum], row[sum])});
    }
    return rows;
}
