#include "store/TextStore.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

// Edits add a few texts at a time: blocks of this size keep them together.
constexpr std::size_t kBlockSize = 64 * 1024;

} // namespace

TTextStore::TTextStore(TTextStore&& other) noexcept
    : blocks_(std::move(other.blocks_)), free_(std::exchange(other.free_, nullptr)),
      room_(std::exchange(other.room_, 0)) {}

TTextStore& TTextStore::operator=(const TTextStore& other) {
    if (this != &other) {
        blocks_ = other.blocks_;
        free_ = nullptr; // the other store fills its last block itself
        room_ = 0;
    }
    return *this;
}

TTextStore& TTextStore::operator=(TTextStore&& other) noexcept {
    if (this != &other) {
        blocks_ = std::move(other.blocks_);
        free_ = std::exchange(other.free_, nullptr);
        room_ = std::exchange(other.room_, 0);
    }
    return *this;
}

void TTextStore::Keep(std::shared_ptr<const void> block) {
    blocks_.push_back(std::move(block));
}

std::string_view TTextStore::Add(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    if (text.size() > room_) {
        const std::size_t size = std::max(kBlockSize, text.size());
        std::shared_ptr<char[]> block(new char[size]);
        free_ = block.get();
        room_ = size;
        blocks_.push_back(std::move(block));
    }
    std::memcpy(free_, text.data(), text.size());
    const std::string_view kept(free_, text.size());
    free_ += text.size();
    room_ -= text.size();
    return kept;
}

void TTextStore::Clear() {
    blocks_.clear();
    free_ = nullptr;
    room_ = 0;
}
