#include "report/PageImageArchive.h"

#include "report/NumberText.h"
#include "report/ReportInterfaces.h"
#include "text/ScratchDirectory.h"
#include "text/ZipWriter.h"

#include <vector>

std::string PaddedPageNumber(int number) {
    std::string digits = IntToText(number);
    if (digits.size() < 3) {
        digits.insert(0, 3 - digits.size(), '0');
    }
    return digits;
}

std::string PageImageName(int number) {
    return "Page_" + PaddedPageNumber(number) + ".emf";
}

void WritePageImageArchive(IReport3& report, const std::filesystem::path& archiveName) {
    const TScratchDirectory directory;
    std::vector<std::filesystem::path> files;
    for (std::int32_t number = 1; number <= report.PageCount(); ++number) {
        files.push_back(directory.Path() / PageImageName(number));
        report.GetPage(number)->SaveToMetafile(files.back());
    }
    WriteStoredZip(files, archiveName);
}
