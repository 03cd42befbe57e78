// The node tree and its typed lookups.
#include "text/Markup.h"

#include "text/Numbers.h"

#include <cmath>
#include <utility>

double TNodeItem::AsFloat(double def) const {
    return TextToFloatDef(Text, def);
}

std::int64_t TNodeItem::AsInteger(std::int64_t def) const {
    return TextToIntDef(Text, def);
}

bool TNodeItem::AsBoolean(bool def) const {
    if (Text == "1") {
        return true;
    }
    if (Text == "0") {
        return false;
    }
    return def;
}

TNode::TNode(std::string name, TNode* parent)
    : name_(std::move(name)), parent_(parent), nullItem_({}, {}, this) {}

// Children are taken apart one level at a time through an explicit list, so
// no destructor call nests inside another however deep the tree is.
TNode::~TNode() {
    items_.clear();
    std::vector<std::unique_ptr<TNode>> pending = std::move(children_);
    while (!pending.empty()) {
        std::unique_ptr<TNode> node = std::move(pending.back());
        pending.pop_back();
        for (auto& child : node->children_) {
            pending.push_back(std::move(child));
        }
        node->children_.clear();
    }
}

const TNode& TNode::Null() {
    static const TNode null;
    return null;
}

TNode& TNode::AddChild(std::string_view name) {
    children_.push_back(std::make_unique<TNode>(std::string(name), this));
    return *children_.back();
}

const TNode& TNode::GetChild(int index) const {
    if (index < 0 || index >= ChildCount()) {
        return Null();
    }
    return *children_[index];
}

TNodeItem& TNode::AddItem(std::string_view name, std::string_view value) {
    items_.push_back(std::make_unique<TNodeItem>(std::string(name), std::string(value), this));
    return *items_.back();
}

const TNodeItem* TNode::GetItem(int index) const {
    if (index < 0 || index >= ItemCount()) {
        return nullptr;
    }
    return items_[index].get();
}

TNodeItem* TNode::GetItem(int index) {
    return const_cast<TNodeItem*>(std::as_const(*this).GetItem(index));
}

const TNodeItem& TNode::FindItem(std::string_view name) const {
    for (const auto& item : items_) {
        if (item->Name == name) {
            return *item;
        }
    }
    return nullItem_;
}

std::string TNode::GetString(std::string_view name, std::string_view def) const {
    const TNodeItem& item = FindItem(name);
    return &item == &nullItem_ ? std::string(def) : item.Text;
}

std::int64_t TNode::GetInteger(std::string_view name, std::int64_t def) const {
    const TNodeItem& item = FindItem(name);
    return &item == &nullItem_ ? def : item.AsInteger(0);
}

bool TNode::GetBoolean(std::string_view name, bool def) const {
    const TNodeItem& item = FindItem(name);
    return &item == &nullItem_ ? def : item.AsBoolean(false);
}

std::int64_t TNode::GetFixed(std::string_view name, std::int64_t def) const {
    const TNodeItem& item = FindItem(name);
    if (&item == &nullItem_) {
        return def;
    }
    // Rounded half to even, as the program rounds lengths elsewhere; a value
    // beyond the 64-bit range is as unusable as a malformed one.
    const double fixed = std::nearbyint(item.AsFloat(0) * 10000);
    constexpr double limit = 9223372036854775807.0;
    if (!(fixed > -limit && fixed < limit)) {
        return 0;
    }
    return static_cast<std::int64_t>(fixed);
}
