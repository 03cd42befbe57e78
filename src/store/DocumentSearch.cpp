#include "store/DocumentSearch.h"

#include "text/TextCase.h"

#include <algorithm>

TTextFinder::TTextFinder(std::string_view text) : folded_(LowerCaseCyr(text)) {}

bool TTextFinder::FoundIn(std::string_view text) const {
    if (folded_.empty() || text.size() < folded_.size()) {
        return false;
    }
    return std::search(text.begin(), text.end(), folded_.begin(), folded_.end(),
                       [](char a, char b) { return LowerCaseCyrChar(a) == b; }) != text.end();
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
