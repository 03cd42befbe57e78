#include "store/Table.h"

#include "store/FieldValue.h"
#include "store/StoreError.h"
#include "store/TableFile.h"
#include "store/TableReader.h"
#include "store/TableWriter.h"
#include "text/Format.h"
#include "text/TextCase.h"

#include <algorithm>

namespace {

bool SameNameNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && UpperCaseCyr(a) == UpperCaseCyr(b);
}

const TValue kEmptyValue{};

} // namespace

// --- TFieldRef

const TFieldDef& TFieldRef::Def() const {
    return table_->defs_[index_];
}

bool TFieldRef::IsNull() const {
    return table_->CurrentValue(index_).IsEmpty();
}

std::int64_t TFieldRef::AsInteger() const {
    return ValueAsInteger(Def(), table_->CurrentValue(index_));
}

std::string TFieldRef::AsString() const {
    return ValueAsString(Def(), table_->CurrentValue(index_));
}

double TFieldRef::AsFloat() const {
    return ValueAsFloat(Def(), table_->CurrentValue(index_));
}

TDateTime TFieldRef::AsDateTime() const {
    return AsFloat();
}

void TFieldRef::SetInteger(std::int64_t value) {
    table_->SetBufferValue(index_, ValueFromInteger(Def(), value));
}

void TFieldRef::SetString(std::string_view value) {
    table_->SetBufferValue(index_, ValueFromString(Def(), value));
}

void TFieldRef::SetFloat(double value) {
    table_->SetBufferValue(index_, ValueFromFloat(Def(), value));
}

void TFieldRef::SetDateTime(TDateTime value) {
    SetFloat(value);
}

void TFieldRef::SetValue(const TValue& value) {
    table_->SetBufferValue(index_, ValueForField(Def(), value));
}

void TFieldRef::Clear() {
    table_->SetBufferValue(index_, TOwnedValue{});
}

// --- TTable: definitions and life cycle

void TTable::Close() {
    values_.clear();
    texts_.Clear();
    rowCount_ = 0;
    buffer_.clear();
    index_.clear();
    indexValid_ = false;
    current_ = 0;
    changeCount_ = 0;
    state_ = TState::Inactive;
}

void TTable::ClearDefinitions() {
    Close();
    defs_.clear();
    properties_.clear();
    autoIncField_ = -1;
    idField_ = -1;
    autoIncValue_ = 1;
}

void TTable::AddFieldDef(TFieldDef def) {
    if (Active()) {
        throw EStoreError("Cannot perform this operation on an open dataset");
    }
    if (FieldIndex(def.Name) >= 0) {
        throw EStoreError(Format("Duplicate field name '%s'", {def.Name}));
    }
    defs_.push_back(std::move(def));
    const int index = static_cast<int>(defs_.size()) - 1;
    const TFieldDef& added = defs_.back();
    if (added.Type == TFieldType::AutoInc && autoIncField_ < 0) {
        autoIncField_ = index;
    }
    if (SameNameNoCase(added.Name, "ID") && ValueKindOf(added.Type) == TValueKind::Integer) {
        idField_ = index;
    }
}

void TTable::CreateDataSet() {
    Close();
    state_ = TState::Browse;
    indexValid_ = true;
}

void TTable::CheckActive() const {
    if (!Active()) {
        throw EStoreError("Cannot perform this operation on a closed dataset");
    }
}

// --- files

void TTable::LoadFromFile(const std::filesystem::path& path) {
    Close();
    LoadFromBytes(ReadTableFile(path), FileNameForMessage(path));
}

void TTable::SaveToFile(const std::filesystem::path& path, TTableVariant variant) {
    WriteTableFile(path, SaveToBytes(variant));
}

void TTable::LoadFromBytes(std::string bytes, std::string_view fileName) {
    ClearDefinitions();
    TTable loaded;
    // The values are decoded inside the text and point into it: the table keeps it.
    auto text = std::make_shared<std::string>(std::move(bytes));
    ParseTable(*text, fileName, loaded);
    loaded.KeepText(std::move(text));
    *this = std::move(loaded);
    state_ = TState::Browse;
    current_ = 0;
}

std::string TTable::SaveToBytes(TTableVariant variant) {
    CheckActive();
    ToBrowse();
    return FormatTable(*this, variant);
}

std::optional<std::int64_t> TTable::AdoptRows(TRowsKey, std::vector<TValue> values,
                                              std::size_t rowCount, TIdIndex ids) {
    values_ = std::move(values);
    rowCount_ = rowCount;
    index_ = std::move(ids);
    return OrderIndex();
}

// --- change log

void TTable::MergeChangeLog() {
    CheckActive();
    ToBrowse();
    changeCount_ = 0;
}

// --- walking

void TTable::ToBrowse() {
    if (Editing()) {
        Cancel();
    }
}

void TTable::First() {
    CheckActive();
    ToBrowse();
    current_ = 0;
}

void TTable::Next() {
    CheckActive();
    ToBrowse();
    if (current_ < rowCount_) {
        ++current_;
    }
}

bool TTable::Eof() const {
    return !Active() || current_ >= rowCount_;
}

bool TTable::Locate(std::int64_t id) {
    CheckActive();
    ToBrowse();
    if (const auto row = FindRow(id)) {
        current_ = *row;
        return true;
    }
    return false;
}

std::optional<std::size_t> TTable::FindRow(std::int64_t id) const {
    if (idField_ < 0) {
        throw EStoreError("Field 'ID' not found");
    }
    if (!indexValid_) {
        RebuildIndex();
    }
    const auto found =
        std::lower_bound(index_.begin(), index_.end(), id,
                         [](const auto& entry, std::int64_t key) { return entry.first < key; });
    if (found == index_.end() || found->first != id) {
        return std::nullopt;
    }
    return found->second;
}

const TValue* TTable::IdOf(std::size_t row) const {
    return &values_[row * defs_.size() + static_cast<std::size_t>(idField_)];
}

std::optional<std::int64_t> TTable::RebuildIndex() const {
    index_.clear();
    indexValid_ = true;
    if (idField_ < 0) {
        return std::nullopt;
    }
    index_.reserve(rowCount_);
    for (std::size_t i = 0; i < rowCount_; ++i) {
        if (const TValue& id = *IdOf(i); id.Kind() == TValue::TKind::Integer) {
            index_.emplace_back(id.Integer(), i);
        }
    }
    return OrderIndex();
}

std::optional<std::int64_t> TTable::OrderIndex() const {
    indexValid_ = true;
    const auto unordered =
        std::adjacent_find(index_.begin(), index_.end(),
                           [](const auto& a, const auto& b) { return a.first >= b.first; });
    if (unordered == index_.end()) {
        return std::nullopt; // strictly rising: no ID twice
    }
    std::sort(index_.begin(), index_.end());
    const auto same =
        std::adjacent_find(index_.begin(), index_.end(),
                           [](const auto& a, const auto& b) { return a.first == b.first; });
    if (same != index_.end()) {
        return same->first;
    }
    return std::nullopt;
}

void TTable::IndexRow(std::size_t index) {
    if (idField_ < 0 || !indexValid_) {
        return;
    }
    if (const TValue& id = *IdOf(index); id.Kind() == TValue::TKind::Integer) {
        if (index_.empty() || index_.back().first < id.Integer()) {
            index_.emplace_back(id.Integer(), index);
        } else {
            indexValid_ = false;
        }
    }
}

// --- fields

int TTable::FieldIndex(std::string_view name) const {
    // Exact match first: names are nearly always written as defined.
    for (std::size_t i = 0; i < defs_.size(); ++i) {
        if (defs_[i].Name == name) {
            return static_cast<int>(i);
        }
    }
    for (std::size_t i = 0; i < defs_.size(); ++i) {
        if (SameNameNoCase(defs_[i].Name, name)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int TTable::FieldIndexOrThrow(std::string_view name) const {
    const int index = FieldIndex(name);
    if (index < 0) {
        throw EStoreError(Format("Field '%s' not found", {name}));
    }
    return index;
}

TFieldRef TTable::FieldByName(std::string_view name) {
    return TFieldRef(*this, FieldIndexOrThrow(name));
}

const TValue& TTable::CurrentValue(int field) const {
    CheckActive();
    if (Editing()) {
        return buffer_[field];
    }
    if (current_ < rowCount_) {
        return Row(current_)[field];
    }
    return kEmptyValue;
}

void TTable::SetBufferValue(int field, const TOwnedValue& value) {
    CheckActive();
    if (!Editing()) {
        throw EStoreError("Dataset not in edit or insert mode");
    }
    if (const auto* i = std::get_if<std::int64_t>(&value)) {
        buffer_[field] = TValue(*i);
    } else if (const auto* f = std::get_if<double>(&value)) {
        buffer_[field] = TValue(*f);
    } else if (const auto* s = std::get_if<std::string>(&value)) {
        buffer_[field] = TValue(texts_.Add(*s));
    } else {
        buffer_[field] = TValue();
    }
}

// --- changing

void TTable::Append() {
    CheckActive();
    ToBrowse();
    buffer_.assign(defs_.size(), TValue{});
    state_ = TState::Insert;
}

void TTable::Edit() {
    CheckActive();
    if (Editing()) {
        return;
    }
    if (current_ >= rowCount_) {
        if (rowCount_ == 0) {
            Append();
            return;
        }
        current_ = rowCount_ - 1;
    }
    const TRowView row = Row(current_);
    buffer_.assign(row.begin(), row.end());
    state_ = TState::Edit;
}

void TTable::Post() {
    CheckActive();
    if (!Editing()) {
        return;
    }
    if (state_ == TState::Insert && autoIncField_ >= 0) {
        SetBufferValue(autoIncField_, ValueFromInteger(defs_[autoIncField_], autoIncValue_));
    }
    if (idField_ >= 0) {
        if (const TValue& id = buffer_[idField_]; id.Kind() == TValue::TKind::Integer) {
            const auto other = FindRow(id.Integer());
            if (other && (state_ == TState::Insert || *other != current_)) {
                throw EStoreError(Format("Key violation: ID %d is already used",
                                         {static_cast<long long>(id.Integer())}));
            }
        }
    }
    if (state_ == TState::Insert) {
        values_.insert(values_.end(), buffer_.begin(), buffer_.end());
        current_ = rowCount_++;
        IndexRow(current_);
        if (autoIncField_ >= 0) {
            ++autoIncValue_;
        }
    } else {
        if (idField_ >= 0 && *IdOf(current_) != buffer_[idField_]) {
            indexValid_ = false;
        }
        std::copy(buffer_.begin(), buffer_.end(),
                  values_.begin() + static_cast<std::ptrdiff_t>(current_ * defs_.size()));
    }
    buffer_.clear();
    state_ = TState::Browse;
    ++changeCount_;
}

void TTable::Cancel() {
    if (Editing()) {
        buffer_.clear();
        state_ = TState::Browse;
    }
}

void TTable::Remove() {
    CheckActive();
    ToBrowse();
    if (current_ >= rowCount_) {
        throw EStoreError("Cannot perform this operation on an empty dataset");
    }
    const auto first = values_.begin() + static_cast<std::ptrdiff_t>(current_ * defs_.size());
    values_.erase(first, first + static_cast<std::ptrdiff_t>(defs_.size()));
    --rowCount_;
    indexValid_ = false;
    if (current_ >= rowCount_ && current_ > 0) {
        --current_;
    }
    ++changeCount_;
}
