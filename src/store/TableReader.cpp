#include "store/TableReader.h"
#include "store/LatinCase.h"

#include "store/StoreError.h"
#include "store/ValueText.h"
#include "store/XmlScanner.h"
#include "text/Format.h"
#include "text/TextCase.h"

#include <algorithm>
#include <unordered_set>

namespace {

using TToken = TXmlScanner::TToken;

constexpr std::size_t kMaxFieldCount = 1024;
// The rows that the size of the others is estimated from.
constexpr std::size_t kSampleRows = 64;

// Reads Windows-1251 text (a UTF-8 file is converted first).
class TReader {
public:
    TReader(std::string& text, TTable& table, TTable::TRowsKey key)
        : bytes_(text), table_(table), key_(key), scanner_(text) {}

    void Read();

private:
    [[noreturn]] void Fail(std::string message) const {
        scanner_.Fail(scanner_.Offset(), std::move(message));
    }
    bool IsStart(TToken token, std::string_view name) const {
        return token == TToken::Start && EqualLatinNoCase(scanner_.Name(), name);
    }
    void ExpectEnd(TToken token, std::string_view name) const {
        if (token != TToken::End || scanner_.Name() != name) {
            Fail("a missing end tag </" + std::string(name) + ">");
        }
    }

    void ReadMetadata();
    void ReadFields();
    void ReadField();
    void ReadParams();
    void ReadRows();
    void ReadRow();
    void TakeIds(std::span<const TValue> row);
    // Room for the rows still to come, estimated from the bytes of the rows
    // read since `start`: the values take one block near their size, which
    // the allocator can hand out again on the next load, where a far larger
    // one would come fresh from the system every time.
    void ReserveRows(std::size_t start, std::size_t rows);
    void Finish();

    const std::string& bytes_;
    TTable& table_;
    TTable::TRowsKey key_;
    TXmlScanner scanner_;
    bool haveFields_ = false;
    std::vector<std::pair<std::string, std::string>> params_;
    std::vector<std::string> attrNames_; // of each field
    std::vector<TValue> values_;         // row after row
    std::size_t rowCount_ = 0;
    std::size_t hint_ = 0;
    TTable::TIdIndex ids_;         // taken while the rows are at hand
    std::int64_t nextAutoInc_ = 1; // above every AutoInc value read
};

void TReader::Read() {
    scanner_.ReadPrologue();
    TToken token = scanner_.Next();
    if (token == TToken::Eof) {
        Fail("the file is empty");
    }
    if (!IsStart(token, "DATAPACKET")) {
        Fail("the file is not a data packet: <" + std::string(scanner_.Name()) +
             "> where <DATAPACKET> belongs");
    }
    if (!scanner_.SelfClosing()) {
        const std::string_view root = scanner_.Name();
        for (token = scanner_.Next(); token == TToken::Start; token = scanner_.Next()) {
            if (IsStart(token, "METADATA")) {
                ReadMetadata();
            } else if (IsStart(token, "ROWDATA")) {
                if (!haveFields_) {
                    Fail("<ROWDATA> before the field definitions");
                }
                ReadRows();
            } else {
                scanner_.SkipElement();
            }
        }
        ExpectEnd(token, root);
    }
    if (scanner_.Next() != TToken::Eof) {
        Fail("content after the end of the data packet");
    }
    if (!haveFields_) {
        Fail("the data packet has no field definitions");
    }
    Finish();
}

void TReader::ReadMetadata() {
    if (scanner_.SelfClosing()) {
        return;
    }
    const std::string_view name = scanner_.Name();
    TToken token = scanner_.Next();
    for (; token == TToken::Start; token = scanner_.Next()) {
        if (IsStart(token, "FIELDS")) {
            ReadFields();
        } else if (IsStart(token, "PARAMS")) {
            ReadParams();
        } else {
            scanner_.SkipElement();
        }
    }
    ExpectEnd(token, name);
}

void TReader::ReadFields() {
    if (haveFields_) {
        Fail("a second <FIELDS>");
    }
    haveFields_ = true;
    if (scanner_.SelfClosing()) {
        return;
    }
    const std::string_view name = scanner_.Name();
    TToken token = scanner_.Next();
    for (; token == TToken::Start; token = scanner_.Next()) {
        if (IsStart(token, "FIELD")) {
            ReadField();
        } else {
            scanner_.SkipElement();
        }
    }
    ExpectEnd(token, name);
}

void TReader::ReadField() {
    // Names are checked against every field so far: bound the work.
    if (table_.FieldDefs().size() >= kMaxFieldCount) {
        Fail(Format("more than %d fields", {static_cast<int>(kMaxFieldCount)}));
    }
    TFieldDef def;
    std::string fieldName, attrName, typeName, subtype;
    bool haveAttrName = false, haveType = false;
    for (const auto& attribute : scanner_.Attributes()) {
        const std::string_view key = attribute.Name;
        const std::string value(attribute.Value);
        auto flag = [&] { return EqualLatinNoCase(value, "true"); };
        if (key == "fieldname") {
            fieldName = value;
        } else if (key == "attrname") {
            attrName = value;
            haveAttrName = true;
        } else if (key == "fieldtype") {
            typeName = value;
            haveType = true;
        } else if (key == "readonly") {
            def.ReadOnly = flag();
        } else if (key == "required") {
            def.Required = flag();
        } else if (key == "hidden") {
            def.Hidden = flag();
        } else if (key == "linkfield") {
            def.LinkField = flag();
        } else if (key == "SUBTYPE" && subtype.empty()) {
            subtype = value;
        } else if (key == "WIDTH") {
            long long width = 0;
            TValue parsed;
            if (!ParseValueText(TFieldType::Integer, value, parsed) ||
                (width = parsed.Integer()) < 0) {
                Fail("a field WIDTH that is no size: \"" + value + "\"");
            }
            def.Size = static_cast<int>(width);
        } else {
            def.Properties.emplace_back(std::string(key), value);
        }
    }
    if (!haveAttrName || attrName.empty()) {
        Fail("a FIELD without attrname");
    }
    if (!haveType) {
        Fail("the FIELD \"" + attrName + "\" has no fieldtype");
    }
    const auto type = FieldTypeFromName(typeName, subtype);
    if (!type) {
        Fail("the FIELD \"" + attrName + "\" has the unknown fieldtype \"" + typeName + "\"");
    }
    if (*type == TFieldType::Nested || !scanner_.SelfClosing()) {
        Fail("the FIELD \"" + attrName + "\" holds a nested table, which this program cannot keep");
    }
    def.Type = *type;
    if (!subtype.empty() && ImpliedSubtype(*type).empty()) {
        def.Properties.insert(def.Properties.begin(), {"SUBTYPE", subtype});
    }
    def.Name = fieldName.empty() ? attrName : fieldName;
    if (table_.FieldIndex(def.Name) >= 0) {
        Fail("the field \"" + def.Name + "\" is defined twice");
    }
    if (std::find(attrNames_.begin(), attrNames_.end(), attrName) != attrNames_.end()) {
        Fail("the attribute name \"" + attrName + "\" is used by two fields");
    }
    table_.AddFieldDef(std::move(def));
    attrNames_.push_back(std::move(attrName));
}

void TReader::ReadParams() {
    for (const auto& attribute : scanner_.Attributes()) {
        const std::string value(attribute.Value);
        if ((attribute.Name == "CHANGE_LOG" && !value.empty()) ||
            (attribute.Name == "DATASET_DELTA" && value != "0" && !value.empty())) {
            Fail("the table holds unmerged changes (" + std::string(attribute.Name) +
                 "); save it without a change log first");
        }
        params_.emplace_back(std::string(attribute.Name), value);
    }
    if (!scanner_.SelfClosing()) {
        scanner_.SkipElement();
    }
}

void TReader::ReadRows() {
    if (scanner_.SelfClosing()) {
        return;
    }
    const std::string_view name = scanner_.Name();
    const std::size_t start = scanner_.Offset();
    std::size_t rows = 0;
    TToken token = scanner_.Next();
    for (; token == TToken::Start; token = scanner_.Next()) {
        if (IsStart(token, "ROW")) {
            ReadRow();
            if (++rows == kSampleRows) {
                ReserveRows(start, rows);
            }
        } else {
            scanner_.SkipElement();
        }
    }
    ExpectEnd(token, name);
}

void TReader::ReserveRows(std::size_t start, std::size_t rows) {
    const std::size_t bytesPerRow = std::max<std::size_t>(1, (scanner_.Offset() - start) / rows);
    const std::size_t expected = (bytes_.size() - scanner_.Offset()) / bytesPerRow;
    const std::size_t rowsToCome = expected + expected / 8 + kSampleRows;
    // Empty rows of many fields would ask for far more values than the file
    // has bytes: such a file grows its rows as they come.
    values_.reserve(values_.size() +
                    std::min(table_.FieldDefs().size() * rowsToCome, bytes_.size()));
    ids_.reserve(ids_.size() + rowsToCome);
}

void TReader::ReadRow() {
    if (!scanner_.SelfClosing()) {
        Fail("a ROW with content (nested rows are not kept by this program)");
    }
    const std::vector<TFieldDef>& defs = table_.FieldDefs();
    const std::size_t count = defs.size();
    values_.resize(values_.size() + count);
    const std::span<TValue> row(values_.data() + values_.size() - count, count);
    for (const auto& attribute : scanner_.Attributes()) {
        // Rows list their values in field order, so the next field is the best guess.
        std::size_t field = count;
        // The search wraps by a subtraction: a division per attribute costs more.
        std::size_t candidate = hint_;
        for (std::size_t k = 0; k < count; ++k, ++candidate) {
            if (candidate >= count) {
                candidate -= count;
            }
            if (attrNames_[candidate] == attribute.Name) {
                field = candidate;
                break;
            }
        }
        if (field == count) {
            if (attribute.Name == "RowState") {
                const std::string_view state = attribute.Value;
                if (state != "0" && !state.empty()) {
                    Fail("a row with unmerged changes (RowState=\"" + std::string(state) +
                         "\"); save the table without a change log first");
                }
                continue;
            }
            Fail("the ROW attribute \"" + std::string(attribute.Name) + "\" names no field");
        }
        hint_ = field + 1;
        if (!row[field].IsEmpty()) {
            Fail("the field \"" + defs[field].Name + "\" appears twice in a ROW");
        }
        const std::string_view text = attribute.Value;
        if (!text.empty() && !ParseValueText(defs[field].Type, text, row[field])) {
            Fail("the value \"" + std::string(text) + "\" of the field \"" + defs[field].Name +
                 "\" is no " + std::string(FieldTypeName(defs[field].Type)) + " value");
        }
    }
    TakeIds(row);
    ++rowCount_;
}

void TReader::TakeIds(std::span<const TValue> row) {
    const int autoInc = table_.AutoIncField();
    if (autoInc >= 0 && row[autoInc].Kind() == TValue::TKind::Integer) {
        nextAutoInc_ = std::max(nextAutoInc_, row[autoInc].Integer() + 1);
    }
    const int id = table_.IdField();
    if (id >= 0 && row[id].Kind() == TValue::TKind::Integer) {
        ids_.emplace_back(row[id].Integer(), rowCount_);
    }
}

void TReader::Finish() {
    const int autoInc = table_.AutoIncField();
    std::int64_t next = nextAutoInc_;
    for (auto& [name, value] : params_) {
        if (autoInc >= 0 && name == "AUTOINCVALUE") {
            TValue parsed;
            if (!ParseValueText(TFieldType::Int64, value, parsed)) {
                Fail("an AUTOINCVALUE that is no integer: \"" + value + "\"");
            }
            next = std::max(next, parsed.Integer());
        } else {
            table_.Properties().emplace_back(std::move(name), std::move(value));
        }
    }
    table_.SetAutoIncValue(next);
    if (const auto duplicate =
            table_.AdoptRows(key_, std::move(values_), rowCount_, std::move(ids_))) {
        Fail(Format("the ID %d is used by two rows", {static_cast<long long>(*duplicate)}));
    }
}

int LineOf(std::string_view bytes, std::size_t offset) {
    offset = std::min(offset, bytes.size());
    return 1 + static_cast<int>(std::count(bytes.begin(), bytes.begin() + offset, '\n'));
}

} // namespace

void ParseTable(std::string& bytes, std::string_view fileName, TTable& table) {
    try {
        TReader(bytes, table, TTable::TRowsKey()).Read();
    } catch (const TXmlSyntaxError& error) {
        table.ClearDefinitions();
        throw EStoreError(Format("Error in table file \"%s\", line %d: %s",
                                 {fileName, LineOf(bytes, error.Offset), error.Message}));
    }
}
