#include "text/XNod.h"

#include "text/Errors.h"
#include "text/Format.h"
#include "text/Paths.h"
#include "text/SafeFile.h"
#include "text/XNodReader.h"

#include <algorithm>
#include <iterator>

namespace {

// The file as a list of lines (ended by CR, LF or CR LF, or by the end of the
// file) joined with CR LF after every line, the last one included.
std::string JoinLines(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 16 + 2);
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = bytes.size();
        text.append(bytes.substr(start, end - start)).append("\r\n");
        if (end < bytes.size() && bytes[end] == '\r' && end + 1 < bytes.size() &&
            bytes[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return text;
}

} // namespace

TXNod::TXNod(const std::filesystem::path& fileName) {
    LoadFromFile(fileName);
}

TXNod::~TXNod() {
    // Children are taken over before their owner goes, so no destructor ever
    // meets a node that still has sections.
    std::vector<std::unique_ptr<TXNod>> pending = std::move(sections_);
    while (!pending.empty()) {
        std::unique_ptr<TXNod> node = std::move(pending.back());
        pending.pop_back();
        std::move(node->sections_.begin(), node->sections_.end(), std::back_inserter(pending));
        node->sections_.clear();
    }
}

void TXNod::LoadFromFile(const std::filesystem::path& fileName) {
    LoadFromText(JoinLines(ReadWholeFileOrRaise(fileName)), PathToText(fileName));
}

void TXNod::LoadFromText(std::string_view text, std::string_view fileName) {
    ReadXNodText(*this, text, fileName);
}

void TXNod::SaveToFile(const std::filesystem::path& fileName) const {
    WriteFileAtomically(fileName, SaveToText());
}

TXNod& TXNod::AddSection(std::string_view name) {
    auto section = std::make_unique<TXNod>();
    section->Name = name;
    section->parent_ = this;
    sections_.push_back(std::move(section));
    return *sections_.back();
}

TXNod& TXNod::Section(std::string_view name) {
    for (const auto& section : sections_)
        if (section->Name == name)
            return *section;
    return AddSection(name);
}

TXNod& TXNod::SectionByIndex(int index) const {
    if (index < 0 || index >= SectionCount())
        throw EAppError(Format("Раздел с номером %d не найден", {index}));
    return *sections_[static_cast<std::size_t>(index)];
}

void TXNod::DeleteSection(int index) {
    SectionByIndex(index);
    sections_.erase(sections_.begin() + index);
}

TXNodAttribute& TXNod::AttributeByIndex(int index) const {
    if (index < 0 || index >= AttributeCount())
        throw EAppError(Format("Атрибут с номером %d в разделе \"%s\" не найден", {index, Name}));
    return *attributes_[static_cast<std::size_t>(index)];
}

TXNodAttribute* TXNod::FindAttribute(std::string_view name) const {
    for (const auto& attribute : attributes_)
        if (attribute->Name == name)
            return attribute.get();
    return nullptr;
}

std::string TXNod::GetAttribute(std::string_view name) const {
    if (const TXNodAttribute* attribute = FindAttribute(name))
        return attribute->Value;
    throw EAppError(Format("Атрибут \"%s\" в разделе \"%s\" не найден", {name, Name}));
}

bool TXNod::HasAttribute(std::string_view name) const {
    return FindAttribute(name) != nullptr;
}

std::string TXNod::GetAttributeDef(std::string_view name, std::string_view def) const {
    const TXNodAttribute* attribute = FindAttribute(name);
    return std::string(attribute != nullptr ? std::string_view(attribute->Value) : def);
}

void TXNod::SetAttribute(std::string_view name, std::string_view value) {
    if (TXNodAttribute* attribute = FindAttribute(name))
        attribute->Value = value;
    else
        attributes_.push_back(
            std::make_unique<TXNodAttribute>(std::string(name), std::string(value)));
}
