#include "store/DocumentSearch.h"

#include "text/TextCase.h"

#include <algorithm>
#include <array>

namespace {

// LowerCaseCyrChar of every byte: a search over the whole list folds every
// character it passes, so the folding is one look-up.
const std::array<char, 256>& FoldTable() {
    static const std::array<char, 256> table = [] {
        std::array<char, 256> folded{};
        for (int c = 0; c < 256; ++c) {
            folded[c] = LowerCaseCyrChar(static_cast<char>(c));
        }
        return folded;
    }();
    return table;
}

} // namespace

TTextFinder::TTextFinder(std::string_view text) : folded_(LowerCaseCyr(text)) {}

bool TTextFinder::FoundIn(std::string_view text) const {
    if (folded_.empty() || text.size() < folded_.size()) {
        return false;
    }
    const std::array<char, 256>& fold = FoldTable();
    return std::search(text.begin(), text.end(), folded_.begin(), folded_.end(),
                       [&fold](char a, char b) {
                           return fold[static_cast<unsigned char>(a)] == b;
                       }) != text.end();
}

int FindNextRow(int first, int last, int from, const std::function<bool(int row)>& found) {
    const int count = last - first + 1;
    if (count <= 0) {
        return 0;
    }
    const int start = from >= first && from <= last ? from - first + 1 : 0;
    for (int k = 0; k < count; ++k) {
        const int row = first + (start + k) % count;
        if (found(row)) {
            return row;
        }
    }
    return 0;
}
