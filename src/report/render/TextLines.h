#pragma once
// Lays a text out into lines the one way both measuring and drawing use:
// paragraphs at line breaks (CR LF, CR or LF), each wrapped at word
// boundaries when asked, a word wider than the box keeping a line of its own.
// Layout uses design metrics so the same font gives the same lines on every
// device of the same resolution. The shaped lines are kept, so drawing them
// does not shape the text again.
#include <QFont>
#include <QTextLayout>

#include <memory>
#include <string_view>
#include <vector>

class QPaintDevice;
class QPainter;

class TTextLines {
public:
    // The lines of a Windows-1251 text in `font` on `device`, wrapped at
    // `width` pixels when `wordWrap` is set; none for an empty text.
    TTextLines(std::string_view text, const QFont& font, QPaintDevice* device, qreal width,
               bool wordWrap);

    int Count() const { return static_cast<int>(lines_.size()); }
    // Natural width in pixels of a line, 0-based.
    qreal Width(int index) const { return lines_[index].Width; }
    qreal Widest() const;
    // Draws a line with the top-left corner of its box at `topLeft`.
    void Draw(QPainter& painter, int index, QPointF topLeft) const;

private:
    struct TLine {
        const QTextLayout* Layout = nullptr; // none for an empty paragraph
        int Number = 0;
        qreal Width = 0;
    };
    void LayParagraph(std::string_view paragraph, const QFont& font, QPaintDevice* device,
                      qreal width, bool wordWrap);

    std::vector<std::unique_ptr<QTextLayout>> layouts_;
    std::vector<TLine> lines_;
};
