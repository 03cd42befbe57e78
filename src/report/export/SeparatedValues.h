#pragma once
// The separated-values form of a report: cell texts line by line, each
// followed by ";", lines ended by CR LF. Nothing is quoted: a text holding
// ";" or a line break is written as it stands, as the readers of these files
// expect.
#include <cstdint>
#include <string>
#include <vector>

// A cell's top-left corner (ten-thousandths of a millimetre) and its text.
struct TSimpleExportedCell {
    std::int64_t X = 0;
    std::int64_t Y = 0;
    std::string Text;
};

// Cells with equal Y make one line, ordered by X; lines are ordered by Y.
// Cells at the same place keep the order they are given in.
std::string SeparatedValuesText(std::vector<TSimpleExportedCell> cells);
