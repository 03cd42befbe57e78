#include "report/export/SeparatedValues.h"

#include <algorithm>

std::string SeparatedValuesText(std::vector<TSimpleExportedCell> cells) {
    std::stable_sort(cells.begin(), cells.end(), [](const auto& a, const auto& b) {
        return a.Y != b.Y ? a.Y < b.Y : a.X < b.X;
    });
    std::string text;
    for (auto cell = cells.begin(); cell != cells.end(); ++cell) {
        text += cell->Text;
        text += ';';
        const auto next = cell + 1;
        if (next == cells.end() || next->Y != cell->Y)
            text += "\r\n";
    }
    return text;
}
