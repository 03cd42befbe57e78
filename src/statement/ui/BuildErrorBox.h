#pragma once
// A row of the form that could not be placed while the report was built:
// shown at once in a message box, "index message", and the build goes on,
// so a faulty template still shows the rest of its pages.
#include "report/ReportInterfaces.h"

void ShowBuildErrorBox(const TBuildError& error);
