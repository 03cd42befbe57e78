#pragma once
// The workbook and separated-values writers walk a report's rows from a layer
// above the report, so the report reaches them through this registry: the
// program fills it once at start-up, and until then the report's own
// ExportWorkbook and ExportText say the operation is not available.
#include <functional>
#include <string_view>

class IReport3;

struct TReportExporters {
    std::function<void(const IReport3&, std::string_view)> Workbook;
    std::function<void(const IReport3&, std::string_view)> Text;
};

// Replaces the registered writers.
void SetReportExporters(TReportExporters exporters);

// The registered writers; empty functions where none is registered.
const TReportExporters& ReportExporters();
