#pragma once
// The register of statements for a period: the statements whose date falls
// on one of the period's days (the first and the last included, the time of
// day not looked at), optionally of one paying firm, in date order, with the
// sum per cash symbol, the number of statements and the grand total, all
// added in the money type. The result is the report variables the template
// "Реестр.rt3" lays out:
//
//   DateFrom, DateTo   the period's first and last day, "dd.mm.yyyy"
//   Firm               the paying firm's name; empty for all firms
//   Count              the number of statements listed
//   Total              their total, "%.2n"
//   Unread             how many of them have a cash field that cannot be read
//   RowDate[k] RowBag[k] RowFromFirm[k] RowToFirm[k] RowToBank[k] RowSum[k]
//   RowMark[k]         statement k (from 1) of the list: date "dd.mm.yyyy",
//                      bag number, paying and receiving firm, receiving bank,
//                      sum "%.2n", and "*" when its cash field cannot be read
//   SymbolCode[k] SymbolName[k] SymbolSum[k]
//                      cash symbol k in the order of their numbers: the
//                      symbol, the names of its earn sources, its sum "%.2n"
//
// A statement whose cash field cannot be read (ReadCashSplit) counts as zero
// in every sum; its row shows the stored sum, marked. Names of firms and
// banks are found as the main list finds them (records marked deleted
// included); a line break inside a value is listed as a blank, so that each
// statement stays one element of the indexed variables.
#include "statement/PrintVariables.h"
#include "text/DateTime.h"

#include <cstdint>
#include <string>

class TStore;

struct TRegisterQuery {
    TDateTime DateFrom = 0; // only the day counts
    TDateTime DateTo = 0;
    std::int64_t FirmID = 0; // the paying firm; 0 = all
};

// The period a register starts with: the month of `today`, all firms.
TRegisterQuery DefaultRegisterQuery(TDateTime today);

// What is wrong with a period, for the dialog to say; empty when nothing is.
std::string CheckRegisterPeriod(const TRegisterQuery& query);

TVariableList BuildRegisterVariables(TStore& store, const TRegisterQuery& query);
