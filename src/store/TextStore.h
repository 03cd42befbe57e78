#pragma once
// The memory that the text values of a table point into. Blocks are never
// moved, changed or freed while the store holds them, so values stay valid.
// A copy of a store shares its blocks and fills blocks of its own.
#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

class TTextStore {
public:
    TTextStore() = default;
    TTextStore(const TTextStore& other) : blocks_(other.blocks_) {}
    TTextStore(TTextStore&& other) noexcept;
    TTextStore& operator=(const TTextStore& other);
    TTextStore& operator=(TTextStore&& other) noexcept;

    // Keeps memory that values already point into, such as a file's text.
    void Keep(std::shared_ptr<const void> block);
    // A copy of the text that lives as long as the store.
    std::string_view Add(std::string_view text);
    void Clear();

private:
    std::vector<std::shared_ptr<const void>> blocks_;
    char* free_ = nullptr; // the unused end of the last block Add filled
    std::size_t room_ = 0;
};
