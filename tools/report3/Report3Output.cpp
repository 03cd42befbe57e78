#include "report3/Report3Output.h"

#include "text/Paths.h"
#include "text/TextCase.h"

TOutputKind OutputKindFor(const std::filesystem::path& fileName) {
    const std::string lower = LowerCaseCyr(PathToText(fileName));
    if (lower.find(".xml") != std::string::npos) {
        return TOutputKind::Workbook;
    }
    if (lower.find(".zip") != std::string::npos) {
        return TOutputKind::PageImages;
    }
    if (lower.find(".csv") != std::string::npos) {
        return TOutputKind::SeparatedValues;
    }
    if (lower.find(".pdf") != std::string::npos) {
        return TOutputKind::Pdf;
    }
    if (lower.ends_with(".png")) {
        return TOutputKind::Png;
    }
    return TOutputKind::PageText;
}
