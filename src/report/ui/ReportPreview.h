#pragma once
// The report's Preview in a program with windows: the built report shown
// modally in TfmReport3Preview, with the text value editor for its texts.
#include "report/ui/TfmReport3Preview.h"

struct TReportServices;
class IReport3;

// Creates both windows, enables printing and saving as the report allows,
// shows the preview modally and frees both when it closes. The report must
// be a TReport3 (the page images and the services are its own).
void ShowReportPreview(IReport3& report, const TActionRunner& runAction);

// Makes the services' preview ShowReportPreview, the user's actions in it
// run by `runAction` (the program's RunUserAction).
void InstallReportPreview(TReportServices& services, TActionRunner runAction);
