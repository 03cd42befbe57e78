#include "text/XNod.h"

#include <algorithm>

namespace {

// Nesting deeper than this is written at this depth's indentation, so a deep
// tree stays linear in size; the reader ignores indentation.
constexpr std::size_t kMaxIndentLevel = 32;

void Indent(std::string& out, std::size_t level) {
    out.append(2 * std::min(level, kMaxIndentLevel), ' ');
}

void WriteAttributes(std::string& out, const TXNod& node, std::size_t level) {
    for (int i = 0; i < node.AttributeCount(); ++i) {
        const TXNodAttribute& attribute = node.AttributeByIndex(i);
        Indent(out, level);
        out.append(TXNod::EscapeName(attribute.Name)).append("='");
        out.append(TXNod::EscapeValue(attribute.Value)).append("'\r\n");
    }
}

} // namespace

std::string TXNod::SaveToText() const {
    std::string out;
    WriteAttributes(out, *this, 0);
    // An explicit stack of open sections with the next child to write, so
    // depth costs memory, not call frames.
    struct Open {
        const TXNod* node;
        int next;
    };
    std::vector<Open> open{{this, 0}};
    while (!open.empty()) {
        Open& top = open.back();
        const std::size_t level = open.size() - 1;
        if (top.next == top.node->SectionCount()) {
            open.pop_back();
            if (level > 0) {
                Indent(out, level - 1);
                out += "}\r\n";
            }
            continue;
        }
        const TXNod& child = top.node->SectionByIndex(top.next++);
        Indent(out, level);
        out.append(TXNod::EscapeName(child.Name)).append(" {\r\n");
        WriteAttributes(out, child, level + 1);
        open.push_back({&child, 0});
    }
    return out;
}
