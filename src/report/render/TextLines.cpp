#include "report/render/TextLines.h"

#include "report/MeasuringCanvas.h"
#include "text/qt/QtCodec.h"

#include <QTextOption>

#include <algorithm>

TTextLines::TTextLines(std::string_view text, const QFont& font, QPaintDevice* device, qreal width,
                       bool wordWrap) {
    for (const std::string_view paragraph : SplitParagraphs(text)) {
        LayParagraph(paragraph, font, device, width, wordWrap);
    }
}

void TTextLines::LayParagraph(std::string_view paragraph, const QFont& font, QPaintDevice* device,
                              qreal width, bool wordWrap) {
    if (paragraph.empty()) {
        lines_.push_back({});
        return;
    }
    auto layout = std::make_unique<QTextLayout>(ToQString(paragraph), font, device);
    QTextOption option;
    option.setWrapMode(wordWrap ? QTextOption::WordWrap : QTextOption::NoWrap);
    option.setUseDesignMetrics(true);
    layout->setTextOption(option);
    layout->beginLayout();
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        line.setLineWidth(width);
        lines_.push_back({layout.get(), line.lineNumber(), line.naturalTextWidth()});
    }
    layout->endLayout();
    layouts_.push_back(std::move(layout));
}

qreal TTextLines::Widest() const {
    qreal widest = 0;
    for (const TLine& line : lines_) {
        widest = std::max(widest, line.Width);
    }
    return widest;
}

void TTextLines::Draw(QPainter& painter, int index, QPointF topLeft) const {
    const TLine& line = lines_[index];
    if (line.Layout == nullptr) {
        return;
    }
    const QTextLine textLine = line.Layout->lineAt(line.Number);
    // A line's own position is its place in the paragraph; draw it at ours instead.
    textLine.draw(&painter, topLeft - textLine.position());
}
