#pragma once
// The report services of a program with Qt: measuring with Qt fonts, the
// workbook and separated-values exports, page images, metafile files, charts
// and printing. The preview is left to the program's windows.
#include "report/ReportServices.h"

#include <memory>

class IReportPrinter;

// Pages print on `printer`; without one, on Qt's default printer, made when
// first used (it needs a QApplication).
TReportServices MakeQtReportServices(std::shared_ptr<IReportPrinter> printer = {});
