#pragma once
// Lays a text out into lines the one way both measuring and drawing use:
// paragraphs at line breaks (CR LF, CR or LF), each wrapped at word
// boundaries when asked, a word wider than the box keeping a line of its own.
// Layout uses design metrics so the same font gives the same lines on every
// device of the same resolution.
#include <QFont>
#include <QString>

#include <string_view>
#include <vector>

class QPaintDevice;

// One laid-out line: its text and its natural width in pixels.
struct TTextLine {
    QString Text;
    qreal Width = 0;
};

// The lines of a Windows-1251 text in `font` on `device`, wrapped at `width`
// pixels when `wordWrap` is set; none for an empty text.
std::vector<TTextLine> LayTextLines(std::string_view text, const QFont& font, QPaintDevice* device,
                                    qreal width, bool wordWrap);
