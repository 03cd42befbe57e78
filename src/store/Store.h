#pragma once
// The program's data: the configuration, firms, banks and statements tables,
// each in its table file in the working directory, the two default IDs, and
// the earn-source tree kept in "Data.txt" in the program's directory.
//
// Start-up loads every table on its own: a missing file is created as an
// empty table, so that a first start in an empty folder works; a file that
// exists but cannot be loaded leaves its table unusable -- every later use
// and save of it raises an error naming the file and the reason, and the
// file is never overwritten. The other tables load all the same.
//
// Each save merges the table's change log and rewrites its whole file in the
// UTF-8 variant, through a temporary file.
#include "store/Table.h"
#include "text/XNod.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

enum class TStoreTable { Config, Firms, Banks, Documents };

class TStore {
public:
    // Slots of the default IDs; the firms table carries slot 1, the banks table slot 2.
    static constexpr int kFirmSlot = 1;
    static constexpr int kBankSlot = 2;

    TStore(std::filesystem::path workingDirectory, std::filesystem::path programDirectory);
    TStore(const TStore&) = delete;
    TStore& operator=(const TStore&) = delete;

    // Loads the tables (in the order Config, Firms, Banks, Documents), upgrades
    // the statements table, reads the default IDs and "Data.txt". Returns the
    // messages of what failed, in that order, each naming its file; an empty
    // list when all went well.
    std::vector<std::string> Open();

    TTable& Config() { return Usable(TStoreTable::Config); }
    TTable& Firms() { return Usable(TStoreTable::Firms); }
    TTable& Banks() { return Usable(TStoreTable::Banks); }
    TTable& Documents() { return Usable(TStoreTable::Documents); }
    TTable& Table(TStoreTable which) { return Usable(which); }
    // The reason a table cannot be used, if it cannot.
    std::optional<std::string> Failure(TStoreTable which) const;

    // The default firm (slot 1) or bank (slot 2); 0 = none.
    int DefaultID(int slot) const;
    void SetDefaultID(int slot, int id);

    void SaveConfig();
    void SaveFirms();
    void SaveBanks();
    void SaveDocuments();

    // The root of the earn-source tree.
    TXNod& EarnSources() { return earnSources_; }
    // Writes the earn-source tree to "Data.txt"; raises on failure.
    void SaveEarnSources();

    // The folder the tables are kept in, and the program's other kept files.
    const std::filesystem::path& WorkingDirectory() const { return workingDirectory_; }
    std::filesystem::path TablePath(TStoreTable which) const;
    std::filesystem::path DataFilePath() const;

private:
    struct TSlot {
        TTable Table;
        std::optional<std::string> Failure;
    };

    TTable& Usable(TStoreTable which);
    std::string UnusableMessage(TStoreTable which) const;
    void LoadTable(TStoreTable which, std::vector<std::string>& errors);
    void Save(TStoreTable which);
    void ReadDefaults();
    void ReadEarnSources();

    std::filesystem::path workingDirectory_;
    std::filesystem::path programDirectory_;
    std::array<TSlot, 4> tables_;
    int defaultFirm_ = 0;
    int defaultBank_ = 0;
    TXNod earnSources_;
    bool dataFileUnreadable_ = false;
};
