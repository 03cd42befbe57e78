// Any bytes, two ways. Read as a file: reading may fail, but never crash, and
// whatever was read must be written in a form that reads back without error
// to the very same text. Taken as a script of sections and attributes with
// names of any bytes: the written tree must read back with the same names.
#include "text/Errors.h"
#include "text/XNod.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <utility>
#include <vector>

namespace {

void CheckReadText(std::string_view data) {
    TXNod root;
    try {
        root.LoadFromText(data, "fuzz.txt");
    } catch (const EParseError&) {
    }
    const std::string saved = root.SaveToText();
    TXNod copy;
    copy.LoadFromText(saved);
    if (copy.SaveToText() != saved)
        std::abort();
}

// Each step is one byte (what to do, and the length of the name that
// follows) and the name's bytes.
void BuildFromScript(std::string_view data, TXNod& root) {
    TXNod* current = &root;
    std::size_t pos = 0;
    while (pos < data.size()) {
        const auto step = static_cast<unsigned char>(data[pos++]);
        const std::size_t length = std::min<std::size_t>(step >> 2, data.size() - pos);
        const std::string name(data.substr(pos, length));
        pos += length;
        switch (step & 3) {
        case 0:
            current = &current->AddSection(name);
            break;
        case 1:
            current->SetAttribute(name, name);
            break;
        default:
            if (current->Parent() != nullptr)
                current = current->Parent();
            break;
        }
    }
}

// Same names and shape; values compared as written, since a lone line feed
// in a value reads back as CR LF by design.
bool SameNames(const TXNod& a, const TXNod& b) {
    std::vector<std::pair<const TXNod*, const TXNod*>> pending{{&a, &b}};
    while (!pending.empty()) {
        const auto [x, y] = pending.back();
        pending.pop_back();
        if (x->Name != y->Name || x->AttributeCount() != y->AttributeCount() ||
            x->SectionCount() != y->SectionCount())
            return false;
        for (int i = 0; i < x->AttributeCount(); ++i) {
            const TXNodAttribute& p = x->AttributeByIndex(i);
            const TXNodAttribute& q = y->AttributeByIndex(i);
            if (p.Name != q.Name || TXNod::EscapeValue(p.Value) != TXNod::EscapeValue(q.Value))
                return false;
        }
        for (int i = 0; i < x->SectionCount(); ++i)
            pending.emplace_back(&x->SectionByIndex(i), &y->SectionByIndex(i));
    }
    return true;
}

void CheckWrittenNames(std::string_view data) {
    TXNod built;
    BuildFromScript(data, built);
    TXNod copy;
    copy.LoadFromText(built.SaveToText());
    if (!SameNames(built, copy))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckReadText(text);
    CheckWrittenNames(text);
    return 0;
}
