#pragma once
// The markup tree: named nodes with ordered child nodes and ordered named
// string items, and the parser of the XML-like page-text format.
//
// The format: elements only, all data in double-quoted attribute values,
// "</>" closes the innermost open element, "/>" closes an element at the end
// of its open tag, a backslash in a value takes the next character literally,
// and the entities &quot; &apos; &amp; &lt; &gt; &#xHH; are replaced after
// the backslashes. The outermost "root" element stands for the top node.
//
// Choices where the format leaves room:
// - An open tag without attributes ("<name>") opens an element at every
//   level, as one with attributes does, so "</>" always closes the element
//   written last.
// - Every "&" in a value starts an entity, as the format says; so a writer
//   puts "&" into a value as "&amp;" (and so keeps "&amp;" itself as
//   "&amp;amp;"), and writes a ">" that follows "?" as "\>", because the
//   reader drops everything up to the first "?>" of the text (an XML
//   declaration). Page texts written that way read back byte for byte.
//
// Trees own their nodes; building and destroying them is iterative, so a
// tree of any depth costs no stack. All text is Windows-1251.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TNode;

// One named value of a node.
class TNodeItem {
public:
    TNodeItem(std::string name, std::string text, TNode* node)
        : Name(std::move(name)), Text(std::move(text)), node_(node) {}

    // The item name; may be empty, and several items may share it.
    std::string Name;
    // The value, already unescaped.
    std::string Text;

    // The node that holds the item.
    TNode* Node() const { return node_; }

    // The text.
    const std::string& AsString() const { return Text; }
    // The text as a number with the program's decimal separator, or def.
    double AsFloat(double def) const;
    // The text as a decimal integer, or def.
    std::int64_t AsInteger(std::int64_t def) const;
    // True for exactly "1", false for exactly "0", def for anything else.
    bool AsBoolean(bool def) const;

private:
    TNode* node_;
};

// One element: a name, child elements and items, both in document order.
class TNode {
public:
    // An empty node; the parent link is set, but the parent does not list it.
    explicit TNode(std::string name = "root", TNode* parent = nullptr);
    ~TNode();
    TNode(const TNode&) = delete;
    TNode& operator=(const TNode&) = delete;

    // The shared empty node "root" that child lookups past the end return.
    static const TNode& Null();

    // The element name as written.
    const std::string& Name() const { return name_; }
    // The enclosing node; nullptr for a top node.
    TNode* Parent() const { return parent_; }

    // Appends a new child with this node as parent.
    TNode& AddChild(std::string_view name);
    // The child at the 0-based index, or the null node past the end.
    const TNode& GetChild(int index) const;
    int ChildCount() const { return static_cast<int>(children_.size()); }

    // Appends an item (duplicate names are kept).
    TNodeItem& AddItem(std::string_view name, std::string_view value);
    // The item at the 0-based index, or nullptr past the end.
    const TNodeItem* GetItem(int index) const;
    TNodeItem* GetItem(int index);
    int ItemCount() const { return static_cast<int>(items_.size()); }

    // The first item with exactly this name (case counts), else the empty item.
    const TNodeItem& FindItem(std::string_view name) const;
    // The item's text, or def when there is no such item.
    std::string GetString(std::string_view name, std::string_view def) const;
    // The item as an integer (0 when it is not one), or def when absent.
    std::int64_t GetInteger(std::string_view name, std::int64_t def) const;
    // The item as a flag (false unless "1" or "0"), or def when absent.
    bool GetBoolean(std::string_view name, bool def) const;
    // The item as a number times 10000, rounded (0 when it is not a number or
    // does not fit), or def when absent: lengths in 1/10000 mm.
    std::int64_t GetFixed(std::string_view name, std::int64_t def) const;

private:
    std::string name_;
    TNode* parent_;
    std::vector<std::unique_ptr<TNode>> children_;
    std::vector<std::unique_ptr<TNodeItem>> items_;
    TNodeItem nullItem_;
};

// Parses page-text markup into a top node "root"; EParseError with the
// message "стр L, смв C: ..." on malformed text, and then no tree is left.
std::unique_ptr<TNode> ParseMarkup(std::string_view text);

// Replaces the entities of a value; unknown entities are dropped.
std::string UnescapeMarkup(std::string_view text);

// The text after the first bracketed key (brackets[0] + name + brackets[1],
// case-insensitive) up to the next opening bracket; def when the key is absent.
// Brackets other than exactly two characters mean "<>".
std::string TagValue(std::string_view text, std::string_view name, std::string_view def = {},
                     std::string_view brackets = "<>");
// TagValue as a number with the program's decimal separator, or def.
double TagFloat(std::string_view text, std::string_view name, double def);
// TagValue as a decimal integer, or def.
std::int64_t TagInteger(std::string_view text, std::string_view name, std::int64_t def);

// The first run of digits, "," and "-" in the text as a number, or def.
double NumberFromText(std::string_view text, double def);
