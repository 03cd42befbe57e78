#include "statement/EarnSources.h"

#include "text/Format.h"

#include <algorithm>

namespace {

constexpr std::string_view kSection = "Источники";
constexpr std::string_view kName = "Наименование";
constexpr std::string_view kSymbol = "Символ";

void SetSource(TXNod& source, std::string_view name, std::string_view symbol) {
    source.SetAttribute(kName, name);
    source.SetAttribute(kSymbol, symbol);
}

} // namespace

std::vector<TEarnSource> BuildEarnSourceList(TXNod& root) {
    TXNod& section = root.Section(kSection);
    if (section.SectionCount() == 0) {
        SetSource(section.AddSection("1"), "Торговая выручка", "02");
    }
    std::vector<TEarnSource> list;
    for (int i = 0; i < section.SectionCount(); ++i) {
        const TXNod& source = section.SectionByIndex(i);
        list.push_back({source.GetAttributeDef(kSymbol, ""), source.GetAttributeDef(kName, "")});
    }
    return list;
}

void ApplyEarnSources(const std::vector<TEarnSource>& list, TStatement& statement) {
    statement.Sources.resize(list.size());
    for (std::size_t i = 0; i < list.size(); ++i) {
        statement.Sources[i].Symbol = list[i].Symbol;
        statement.Sources[i].Name = list[i].Name;
    }
    statement.CurrentSource = std::clamp(statement.CurrentSource, 1, static_cast<int>(list.size()));
}

std::string EarnSourceCaption(const TEarnSource& source) {
    return source.Symbol + ". " + source.Name;
}

void AddEarnSource(TXNod& root, std::string_view name, std::string_view symbol) {
    TXNod& section = root.Section(kSection);
    SetSource(section.AddSection(Format("%d", {section.SectionCount() + 1})), name, symbol);
}

void ChangeEarnSource(TXNod& root, int index, std::string_view name, std::string_view symbol) {
    TXNod& section = root.Section(kSection);
    if (index >= 0 && index < section.SectionCount()) {
        SetSource(section.SectionByIndex(index), name, symbol);
    }
}

bool DeleteEarnSource(TXNod& root, int index) {
    TXNod& section = root.Section(kSection);
    if (index < 0 || index >= section.SectionCount()) {
        return false;
    }
    section.DeleteSection(index);
    return true;
}

bool IsValidEarnSourceSymbol(std::string_view symbol) {
    if (symbol.empty() || symbol.size() > 3) {
        return false;
    }
    bool nonZero = false;
    for (char c : symbol) {
        if (c < '0' || c > '9') {
            return false;
        }
        nonZero = nonZero || c != '0';
    }
    return nonZero;
}

bool HasForbiddenNameCharacter(std::string_view name) {
    return name.find_first_of("&'<>^~") != std::string_view::npos;
}
