#include "report3/Report3Output.h"

#include "text/TextCase.h"

TOutputKind OutputKindFor(const std::string& fileName) {
    const std::string lower = LowerCaseCyr(fileName);
    if (lower.find(".xml") != std::string::npos) {
        return TOutputKind::Workbook;
    }
    if (lower.find(".zip") != std::string::npos) {
        return TOutputKind::PageImages;
    }
    if (lower.find(".csv") != std::string::npos) {
        return TOutputKind::SeparatedValues;
    }
    return TOutputKind::PageText;
}
