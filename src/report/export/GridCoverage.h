#pragma once
// Which worksheet cells the cells placed so far cover, row by row, so that no
// two worksheet cells claim the same place (a spreadsheet refuses a cell that
// starts inside another cell's merge).
#include <cstdint>
#include <map>
#include <vector>

class TGridCoverage {
public:
    explicit TGridCoverage(std::size_t rows) : rows_(rows) {}

    // The first column in [from, to) of the row that nothing covers; `to` when none.
    std::int64_t FirstFree(std::size_t row, std::int64_t from, std::int64_t to) const;
    // Where the uncovered run of the row that begins at the free column `from`
    // ends, at most `to`.
    std::int64_t FreeUntil(std::size_t row, std::int64_t from, std::int64_t to) const;
    // Marks the columns [from, to) of the row as covered; they must be free.
    void Cover(std::size_t row, std::int64_t from, std::int64_t to);

private:
    // Per row: covered runs, first column to the column after the last.
    std::vector<std::map<std::int64_t, std::int64_t>> rows_;
};
