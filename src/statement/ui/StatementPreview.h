#pragma once
// A printed statement or register in the preview: a new report made with
// the program's services, filled by the caller (LoadStatementReport or
// LoadRegisterReport), built and shown modally. Rows that cannot be placed
// are shown in a box as the build goes on.
#include "report/ReportInterfaces.h"
#include "report/ReportServices.h"

#include <functional>

void PreviewReport(const TReportServices& services, const std::function<void(IReport3&)>& load);
