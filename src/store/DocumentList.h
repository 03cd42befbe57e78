#pragma once
// The texts of the main window's statement list: one row per statement in
// table order, with the paying firm's and the receiving bank's names found by
// ID (records marked deleted included; an unknown ID gives an empty name, and
// so does every ID of a table that could not be read: the statements are
// listed all the same).
#include "store/Table.h"

#include <cstdint>
#include <string>
#include <vector>

struct TDocumentListRow {
    std::int64_t ID = 0;
    std::string Date;     // "dd.mm.yyyy   h:mm"
    std::string FirmName; // paying firm
    std::string BankName; // receiving bank
    std::string BagNumber;
    std::string Sum; // "%.2n"
};

std::vector<TDocumentListRow> BuildDocumentList(const TTable& documents, const TTable* firms,
                                                const TTable* banks);
