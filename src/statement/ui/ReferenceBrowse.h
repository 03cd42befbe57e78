#pragma once
// What the editor's browse buttons ask of the reference browser: the
// caption, the table with its default-ID slot, and the record to preselect.
#include "app/store/Store.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

struct TBrowseRequest {
    std::string Caption;
    TStoreTable Table = TStoreTable::Firms;
    int Slot = TStore::kFirmSlot;
    std::int64_t SelectedID = 0; // 0 = none
};

// Shows the browser modally; the chosen record's ID when the user chose one,
// nothing when the browser was cancelled.
using TReferenceBrowse = std::function<std::optional<std::int64_t>(const TBrowseRequest&)>;
