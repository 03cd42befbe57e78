#include "store/Store.h"

#include "store/Schemas.h"
#include "store/StoreError.h"
#include "store/Upgrade.h"
#include "text/Format.h"
#include "text/SafeFile.h"

namespace {

constexpr const char* kFileNames[] = {"Config.xml", "Firms.xml", "Banks.xml", "Documents.xml"};

std::vector<TFieldDef> SchemaOf(TStoreTable which) {
    switch (which) {
    case TStoreTable::Config:
        return ConfigFieldDefs();
    case TStoreTable::Firms:
        return FirmsFieldDefs();
    case TStoreTable::Banks:
        return BanksFieldDefs();
    case TStoreTable::Documents:
        break;
    }
    return DocumentsFieldDefs();
}

// Configuration and banks are bound to a fixed field list: every field of it
// must be there, holding values of the same kind.
void CheckFixedFields(TStoreTable which, const TTable& table) {
    if (which != TStoreTable::Config && which != TStoreTable::Banks) {
        return;
    }
    for (const TFieldDef& expected : SchemaOf(which)) {
        const TFieldDef& actual = table.FieldDefs()[table.FieldIndexOrThrow(expected.Name)];
        if (ValueKindOf(actual.Type) != ValueKindOf(expected.Type)) {
            throw EStoreError(
                Format("Type mismatch for field '%s', expecting: %s actual: %s",
                       {expected.Name, FieldTypeName(expected.Type), FieldTypeName(actual.Type)}));
        }
    }
}

} // namespace

TStore::TStore(std::filesystem::path workingDirectory, std::filesystem::path programDirectory)
    : workingDirectory_(std::move(workingDirectory)),
      programDirectory_(std::move(programDirectory)) {
    for (auto& slot : tables_) {
        slot.Failure = "The tables have not been loaded yet";
    }
}

std::filesystem::path TStore::TablePath(TStoreTable which) const {
    return workingDirectory_ / kFileNames[static_cast<int>(which)];
}

std::filesystem::path TStore::DataFilePath() const {
    return programDirectory_ / "Data.txt";
}

std::vector<std::string> TStore::Open() {
    std::vector<std::string> errors;
    for (TStoreTable which :
         {TStoreTable::Config, TStoreTable::Firms, TStoreTable::Banks, TStoreTable::Documents}) {
        LoadTable(which, errors);
    }
    TSlot& documents = tables_[static_cast<int>(TStoreTable::Documents)];
    if (!documents.Failure) {
        try {
            UpgradeDatabase(documents.Table, workingDirectory_);
        } catch (const EAppError& e) {
            documents.Table.Close();
            documents.Failure = e.what();
            errors.push_back(UnusableMessage(TStoreTable::Documents));
        }
    }
    ReadDefaults();
    ReadEarnSources();
    return errors;
}

void TStore::LoadTable(TStoreTable which, std::vector<std::string>& errors) {
    TSlot& slot = tables_[static_cast<int>(which)];
    const std::filesystem::path path = TablePath(which);
    slot.Failure.reset();
    std::error_code error;
    if (!std::filesystem::exists(path, error) && !error) {
        slot.Table.ClearDefinitions();
        for (TFieldDef& def : SchemaOf(which)) {
            slot.Table.AddFieldDef(std::move(def));
        }
        slot.Table.CreateDataSet();
        try {
            slot.Table.SaveToFile(path, TTableVariant::Utf8);
        } catch (const EAppError& e) {
            // The empty table is usable; its next save tries the file again.
            errors.push_back(e.what());
        }
        return;
    }
    try {
        slot.Table.LoadFromFile(path);
        CheckFixedFields(which, slot.Table);
    } catch (const EAppError& e) {
        slot.Table.Close();
        slot.Failure = e.what();
        errors.push_back(UnusableMessage(which));
    }
}

std::optional<std::string> TStore::Failure(TStoreTable which) const {
    return tables_[static_cast<int>(which)].Failure;
}

std::string TStore::UnusableMessage(TStoreTable which) const {
    return Format("The table file \"%s\" could not be loaded: %s",
                  {kFileNames[static_cast<int>(which)], *Failure(which)});
}

TTable& TStore::Usable(TStoreTable which) {
    TSlot& slot = tables_[static_cast<int>(which)];
    if (slot.Failure) {
        throw EStoreError(UnusableMessage(which));
    }
    return slot.Table;
}

void TStore::ReadDefaults() {
    defaultFirm_ = 0;
    defaultBank_ = 0;
    TSlot& config = tables_[static_cast<int>(TStoreTable::Config)];
    if (config.Failure || config.Table.RecordCount() == 0) {
        return;
    }
    config.Table.First();
    defaultFirm_ = static_cast<int>(config.Table.FieldByName("DefaultFirm").AsInteger());
    defaultBank_ = static_cast<int>(config.Table.FieldByName("DefaultBank").AsInteger());
}

int TStore::DefaultID(int slot) const {
    return slot == kBankSlot ? defaultBank_ : defaultFirm_;
}

void TStore::SetDefaultID(int slot, int id) {
    (slot == kBankSlot ? defaultBank_ : defaultFirm_) = id;
}

void TStore::Save(TStoreTable which) {
    TTable& table = Usable(which);
    table.MergeChangeLog();
    table.SaveToFile(TablePath(which), TTableVariant::Utf8);
}

void TStore::SaveConfig() {
    TTable& config = Usable(TStoreTable::Config);
    config.First();
    config.Edit();
    config.FieldByName("DefaultFirm").SetInteger(defaultFirm_);
    config.FieldByName("DefaultBank").SetInteger(defaultBank_);
    config.Post();
    Save(TStoreTable::Config);
}

void TStore::SaveFirms() {
    Save(TStoreTable::Firms);
}

void TStore::SaveBanks() {
    Save(TStoreTable::Banks);
}

void TStore::SaveDocuments() {
    Save(TStoreTable::Documents);
}

void TStore::ReadEarnSources() {
    const std::filesystem::path path = DataFilePath();
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        return;
    }
    try {
        earnSources_.LoadFromFile(path);
    } catch (const std::exception&) {
        // An unreadable file does not stop the program; what was read stays.
        dataFileUnreadable_ = true;
    }
}

void TStore::SaveEarnSources() {
    const std::filesystem::path path = DataFilePath();
    if (dataFileUnreadable_) {
        // The tree replaces a file the program could not read: keep that file
        // beside it, so that nothing typed into it by hand is lost.
        if (const auto old = ReadWholeFile(path)) {
            WriteFileAtomically(programDirectory_ / "Data.txt.bak", *old);
        }
    }
    earnSources_.SaveToFile(path);
    dataFileUnreadable_ = false;
}
