#include "report/MeasuringCanvas.h"

std::vector<std::string_view> SplitParagraphs(std::string_view text) {
    std::vector<std::string_view> paragraphs;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        paragraphs.push_back(text.substr(pos, end - pos));
        pos = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return paragraphs;
}
