#pragma once
// The walk both layout exports make over a report's rows and cells: rows top
// to bottom from 0, cells left to right, a cell's nested rows stacked at the
// cell's left edge from the row's top. Pages, margins, page-level texts, the
// footer row and free texts play no part.
#include "report/ReportInterfaces.h"

class TLayoutVisitor {
public:
    virtual ~TLayoutVisitor() = default;
    // A cell at (x, y), told before its nested rows are walked.
    virtual void Cell(const IReport3Cell& cell, bool hasRows, TLength x, TLength y, TLength width,
                      TLength rowHeight) = 0;
    // The end of a row: x after its last cell and its bottom.
    virtual void RowEnd(TLength right, TLength bottom) = 0;
};

void WalkLayout(const IReport3& report, TLayoutVisitor& visitor);
