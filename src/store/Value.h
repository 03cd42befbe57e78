#pragma once
// The values of table fields: the compact form a table holds and the owning
// form that conversions produce before a table takes them.
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

// A stored value: empty, integer (integers and booleans), float (floats,
// currency, date-times) or text. Sixteen bytes, so that the rows of a large
// table are one dense block. A text is not owned: it lies in memory that its
// table keeps alive (the text of the file it was read from, or text stored
// by edits).
class TValue {
public:
    enum class TKind : std::uint8_t { Empty, Integer, Float, Text };

    TValue() = default;
    explicit TValue(std::int64_t value) : integer_(value), kind_(TKind::Integer) {}
    explicit TValue(double value) : float_(value), kind_(TKind::Float) {}
    // The text must outlive the value.
    explicit TValue(std::string_view text);

    TKind Kind() const { return kind_; }
    bool IsEmpty() const { return kind_ == TKind::Empty; }
    // Each of these reads a value of its own kind only.
    std::int64_t Integer() const { return integer_; }
    double Float() const { return float_; }
    std::string_view Text() const { return {text_, size_}; }

    friend bool operator==(const TValue& a, const TValue& b);

private:
    union {
        std::int64_t integer_ = 0;
        double float_;
        const char* text_;
    };
    // Table files are limited to far less than 4 GiB, and so are their texts.
    std::uint32_t size_ = 0;
    TKind kind_ = TKind::Empty;
};

// A value that owns its text, before a table stores it.
using TOwnedValue = std::variant<std::monostate, std::int64_t, double, std::string>;
