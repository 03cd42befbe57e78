#include "report/export/GridCoverage.h"

#include <algorithm>

std::int64_t TGridCoverage::FirstFree(std::size_t row, std::int64_t from, std::int64_t to) const {
    const auto& runs = rows_.at(row);
    std::int64_t column = from;
    for (auto next = runs.upper_bound(column); next != runs.begin();
         next = runs.upper_bound(column)) {
        const auto run = std::prev(next);
        if (run->second <= column)
            break;
        column = run->second;
    }
    return std::min(column, to);
}

std::int64_t TGridCoverage::FreeUntil(std::size_t row, std::int64_t from, std::int64_t to) const {
    const auto& runs = rows_.at(row);
    const auto next = runs.upper_bound(from);
    return next == runs.end() ? to : std::min(next->first, to);
}

void TGridCoverage::Cover(std::size_t row, std::int64_t from, std::int64_t to) {
    rows_.at(row).emplace(from, to);
}
