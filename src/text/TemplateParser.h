#pragma once
// The report template language: statements "name(arguments);" or
// "name(arguments) { statements }", assignments "name = expression;",
// "#" line comments and "/* */" block comments. The text is read into a tree
// of sentences, which is then turned into the node tree the template
// interpreter walks.
//
// Argument lists are checked only for ";", "{" and "}": none can stand
// inside parentheses, so one of them there means a ")" is missing, which
// would otherwise swallow the head of the next statement without a word.
// Every other token is taken, so a condition with too many tokens or an
// argument list of unusual tokens reaches the interpreter and is judged
// there.
//
// Errors are EParseError (EFileError for a file that cannot be read); trees
// of any depth are built and destroyed without recursion.
#include "text/Markup.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Token codes; the expression evaluator numbers the tokens it knows the same way.
enum class TTokenType : std::uint8_t {
    Name = 0,
    Number = 1,
    Equal = 2,         // "="
    Semicolon = 3,     // ";"
    Comma = 4,         // ","
    Plus = 8,          // "+"
    Minus = 9,         // "-"
    Multiply = 10,     // "*"
    Divide = 11,       // "/"
    Percent = 12,      // "%"
    GreaterEqual = 13, // ">="
    LessEqual = 14,    // "<="
    Greater = 15,      // ">"
    Less = 16,         // "<"
    NotEqual = 17,     // "<>"
    OpenParen = 18,    // "("
    CloseParen = 19,   // ")"
    OpenBracket = 20,  // "["
    CloseBracket = 21, // "]"
    OpenBrace = 22,    // "{"
    CloseBrace = 23,   // "}"
    String = 24,       // text without its quotes
};

// One token: its code and its text (a number already with the decimal comma).
struct TToken {
    TTokenType Type;
    std::string Text;
};

// One statement: its name ("set" for an assignment, "root" at the top), its
// argument tokens and the statements of its block.
class TSentence {
public:
    explicit TSentence(std::string name = "root", TSentence* parent = nullptr)
        : Name(std::move(name)), parent_(parent) {}
    ~TSentence();
    TSentence(const TSentence&) = delete;
    TSentence& operator=(const TSentence&) = delete;

    std::string Name;
    // The argument tokens; for an assignment the target name, "=" and the expression.
    std::vector<TToken> Tokens;

    // The enclosing statement; nullptr at the top.
    TSentence* Parent() const { return parent_; }

    // Appends a new statement to the block.
    TSentence& AddChild(std::string name);
    // The statement at the 0-based index; std::out_of_range past the end.
    const TSentence& GetChild(int index) const { return *children_.at(index); }
    int ChildCount() const { return static_cast<int>(children_.size()); }

private:
    TSentence* parent_;
    std::vector<std::unique_ptr<TSentence>> children_;
};

// Tokenises a template text and builds its statements under a top sentence "root".
std::unique_ptr<TSentence> ParseTemplateText(std::string_view text);

// Reads a template file (its name in Windows-1251), makes every line end in
// CR LF and parses it; EFileError naming the file when it cannot be read.
std::unique_ptr<TSentence> ParseTemplateFile(const std::filesystem::path& fileName);

// The node tree of a statement tree: a top node "root" with one node per
// statement, the arguments as items. The sentences are left unchanged.
std::unique_ptr<TNode> SentenceToNode(const TSentence& top);
