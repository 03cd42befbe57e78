#pragma once
// Finding a statement in the main list: the next row, going round past the
// last one, whose texts contain what the user typed, Latin and Cyrillic
// letters compared without regard to case.
#include <functional>
#include <string>
#include <string_view>

// A text looked for inside others, without regard to case.
class TTextFinder {
public:
    explicit TTextFinder(std::string_view text);
    // Whether `text` contains it; an empty one is in nothing.
    bool FoundIn(std::string_view text) const;

private:
    std::string folded_;
};

// The first row after `from` among rows first..last, going on from `first`
// after `last` and trying `from` itself last, for which found(row) holds;
// 0 when there is none. A `from` outside the rows starts at `first`.
int FindNextRow(int first, int last, int from, const std::function<bool(int row)>& found);
