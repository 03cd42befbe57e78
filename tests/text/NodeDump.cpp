#include "text/NodeDump.h"

std::string DumpNode(const TNode& node) {
    std::string out = node.Name();
    if (node.ItemCount() > 0) {
        out += '[';
        for (int i = 0; i < node.ItemCount(); ++i) {
            out += (i > 0 ? "," : "") + node.GetItem(i)->Name + "=" + node.GetItem(i)->Text;
        }
        out += ']';
    }
    if (node.ChildCount() > 0) {
        out += '{';
        for (int i = 0; i < node.ChildCount(); ++i) {
            out += (i > 0 ? " " : "") + DumpNode(node.GetChild(i));
        }
        out += '}';
    }
    return out;
}
