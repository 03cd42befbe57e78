// Statement tree to node tree: arguments become named items.
#include "text/Errors.h"
#include "text/TemplateParser.h"

#include <algorithm>
#include <utility>

namespace {

// An assignment: one item, the target and the expression's token texts run together.
void AddAssignmentItem(const TSentence& sentence, TNode& node) {
    const std::vector<TToken>& tokens = sentence.Tokens;
    if (tokens.size() < 3) {
        throw EParseError("Недостаточно аргументов в операторе присваивания");
    }
    if (tokens[1].Type != TTokenType::Equal) {
        throw EParseError("Ошибка в операторе присваивания");
    }
    std::string value;
    for (std::size_t i = 2; i < tokens.size(); ++i) {
        value += tokens[i].Text;
    }
    node.AddItem(tokens[0].Text, value);
}

// A condition: every token an unnamed item.
void AddConditionItems(const TSentence& sentence, TNode& node) {
    if (sentence.Tokens.size() < 3) {
        throw EParseError("Недостаточно аргументов в операторе условия");
    }
    for (const TToken& token : sentence.Tokens) {
        node.AddItem({}, token.Text);
    }
}

// Named arguments: a name waits for its literal; a comma ends an argument.
void AddArgumentItems(const TSentence& sentence, TNode& node) {
    std::string pending;
    for (const TToken& token : sentence.Tokens) {
        switch (token.Type) {
        case TTokenType::Name:
            pending = token.Text;
            break;
        case TTokenType::Number:
        case TTokenType::String:
            node.AddItem(pending, token.Text);
            pending.clear();
            break;
        case TTokenType::Comma:
            node.AddItem(pending, {});
            pending.clear();
            break;
        default:
            break;
        }
    }
    if (!pending.empty()) {
        node.AddItem(pending, {});
    }
}

void AddItems(const TSentence& sentence, TNode& node) {
    if (sentence.Name == "set") {
        AddAssignmentItem(sentence, node);
    } else if (sentence.Name == "if") {
        AddConditionItems(sentence, node);
    } else {
        AddArgumentItems(sentence, node);
    }
}

} // namespace

// Depth first in document order, through an explicit stack rather than
// recursion, so the first faulty statement in the text is the one reported.
std::unique_ptr<TNode> SentenceToNode(const TSentence& top) {
    auto root = std::make_unique<TNode>("root");
    std::vector<std::pair<const TSentence*, TNode*>> pending{{&top, root.get()}};
    while (!pending.empty()) {
        const auto [sentence, node] = pending.back();
        pending.pop_back();
        AddItems(*sentence, *node);
        const std::size_t first = pending.size();
        for (int i = 0; i < sentence->ChildCount(); ++i) {
            const TSentence& child = sentence->GetChild(i);
            pending.emplace_back(&child, &node->AddChild(child.Name));
        }
        std::reverse(pending.begin() + static_cast<std::ptrdiff_t>(first), pending.end());
    }
    return root;
}
