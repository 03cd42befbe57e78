#include "store/DocumentList.h"

#include "store/FieldValue.h"
#include "store/RecordText.h"
#include "text/DateTime.h"
#include "text/Format.h"

std::vector<TDocumentListRow> BuildDocumentList(const TTable& documents, const TTable* firms,
                                                const TTable* banks) {
    const std::vector<TFieldDef>& defs = documents.FieldDefs();
    const int id = documents.FieldIndexOrThrow("ID");
    const int date = documents.FieldIndexOrThrow("Datetime");
    const int fromFirm = documents.FieldIndexOrThrow("FromFirm");
    const int toBank = documents.FieldIndexOrThrow("ToBank");
    const int bag = documents.FieldIndexOrThrow("BagNumber");
    const int sum = documents.FieldIndexOrThrow("CashSum");
    const TRecordText firmName(firms, "Name");
    const TRecordText bankName(banks, "Name");

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
