#include "report/render/TextLines.h"

#include "report/MeasuringCanvas.h"
#include "text/qt/QtCodec.h"

#include <QTextLayout>
#include <QTextOption>

namespace {

void LayParagraph(const QString& paragraph, const QFont& font, QPaintDevice* device, qreal width,
                  bool wordWrap, std::vector<TTextLine>& lines) {
    if (paragraph.isEmpty()) {
        lines.push_back({});
        return;
    }
    QTextLayout layout(paragraph, font, device);
    QTextOption option;
    option.setWrapMode(wordWrap ? QTextOption::WordWrap : QTextOption::NoWrap);
    option.setUseDesignMetrics(true);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines.push_back(
            {paragraph.mid(line.textStart(), line.textLength()), line.naturalTextWidth()});
    }
    layout.endLayout();
}

} // namespace

std::vector<TTextLine> LayTextLines(std::string_view text, const QFont& font, QPaintDevice* device,
                                    qreal width, bool wordWrap) {
    std::vector<TTextLine> lines;
    for (const std::string_view paragraph : SplitParagraphs(text)) {
        LayParagraph(ToQString(paragraph), font, device, width, wordWrap, lines);
    }
    return lines;
}
