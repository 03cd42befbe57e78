#include "report/render/ReportSaving.h"

#include "report/TReport3.h"
#include "report/render/PagePng.h"
#include "report/render/ReportPdf.h"
#include "text/Paths.h"
#include "text/TextCase.h"

TSaveForm SaveFormFor(const std::filesystem::path& fileName, bool pictures) {
    const std::string lower = LowerCaseCyr(PathToText(fileName));
    const auto holds = [&lower](const char* part) { return lower.find(part) != std::string::npos; };
    if (holds(".xml")) {
        return TSaveForm::Workbook;
    }
    if (holds(".zip")) {
        return TSaveForm::PageImages;
    }
    if (holds(".csv")) {
        return TSaveForm::SeparatedValues;
    }
    if (holds(".pdf")) {
        return TSaveForm::Pdf;
    }
    if (pictures && lower.ends_with(".png")) {
        return TSaveForm::Png;
    }
    return TSaveForm::PageText;
}

void SaveReportAs(TReport3& report, const std::filesystem::path& fileName, TSaveForm form) {
    switch (form) {
    case TSaveForm::Workbook:
        report.ExportWorkbook(fileName);
        return;
    case TSaveForm::PageImages:
        report.ExportPageImages(fileName);
        return;
    case TSaveForm::SeparatedValues:
        report.ExportText(fileName);
        return;
    case TSaveForm::Pdf:
        WriteReportPdf(report, fileName);
        return;
    case TSaveForm::Png:
        WritePagePngs(report, fileName);
        return;
    case TSaveForm::PageText:
        report.SavePagesToFile(fileName);
        return;
    }
}
