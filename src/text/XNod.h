#pragma once
// A small hierarchical settings store: named sections holding named text
// attributes and child sections, kept as a text file of nested blocks
//   name { key='value' ... }
// Errors are EParseError (reading) and EAppError (lookups) with their Russian
// messages; file names are Windows-1251 text.
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TXNodAttribute {
public:
    TXNodAttribute(std::string name, std::string value)
        : Name(std::move(name)), Value(std::move(value)) {}
    std::string Name;
    std::string Value;
};

class TXNod {
public:
    TXNod() = default;
    // An empty root node loaded from the file.
    explicit TXNod(const std::filesystem::path& fileName);
    // Frees the whole subtree without recursion, however deep it is.
    ~TXNod();
    TXNod(const TXNod&) = delete;
    TXNod& operator=(const TXNod&) = delete;

    std::string Name;
    TXNod* Parent() const { return parent_; }

    // Adds what the file holds to this node. Lines may end in CR LF, LF or CR;
    // a last line without a break is read as a line all the same.
    void LoadFromFile(const std::filesystem::path& fileName);
    // Adds what the text holds; the file name only serves the error messages.
    // A "}" closes only sections the text itself opened.
    void LoadFromText(std::string_view text, std::string_view fileName = {});
    // Writes this node's attributes and sections, replacing the file safely.
    void SaveToFile(const std::filesystem::path& fileName) const;
    // The written form of this node's contents.
    std::string SaveToText() const;

    // A new last child, even when a sibling has the same name.
    TXNod& AddSection(std::string_view name);
    // The first child of that name, appended when there is none.
    TXNod& Section(std::string_view name);
    // The child at a zero-based position; EAppError outside the list.
    TXNod& SectionByIndex(int index) const;
    int SectionCount() const { return static_cast<int>(sections_.size()); }
    // Frees the child at that position with its subtree; EAppError outside the list.
    void DeleteSection(int index);

    // The attribute at a zero-based position; EAppError outside the list.
    TXNodAttribute& AttributeByIndex(int index) const;
    int AttributeCount() const { return static_cast<int>(attributes_.size()); }
    // The value; EAppError when there is no such attribute.
    std::string GetAttribute(std::string_view name) const;
    bool HasAttribute(std::string_view name) const;
    std::string GetAttributeDef(std::string_view name, std::string_view def) const;
    // Replaces the value in place, or appends the attribute.
    void SetAttribute(std::string_view name, std::string_view value);

    // A value as written between quotes: control characters, quote,
    // backslash and "~" as backslash escapes.
    static std::string EscapeValue(std::string_view text);
    static std::string UnescapeValue(std::string_view text);
    // A section or attribute name as written: bare when it is all name
    // characters, otherwise between quotes with control characters, quote,
    // backslash and "~" escaped, so that any name reads back byte for byte.
    static std::string EscapeName(std::string_view name);
    // "-", "_", digits, Latin letters and the Cyrillic letters from 0xC0 on.
    static bool IsNameChar(char c);

private:
    TXNodAttribute* FindAttribute(std::string_view name) const;

    TXNod* parent_ = nullptr;
    std::vector<std::unique_ptr<TXNod>> sections_;
    std::vector<std::unique_ptr<TXNodAttribute>> attributes_;
};
