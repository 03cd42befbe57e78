#include "report/ReportError.h"

void RaiseNotAvailable(std::string_view operation) {
    throw EReportError("Операция \"" + std::string(operation) + "\" недоступна в этой сборке");
}
